#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "test_session.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Command {
    void (*run)(Session &);
    // Prompt, title and default of each question, asked in this order and again from the first.
    QStringList questions;
};

const QMap<QString, Command> kCommands{
    {u"Farbe"_s,
     {addColour,
      {u"Welche Zeile soll die Farbe ändern? (1 - 4)|Zeile|1"_s,
       u"Eine Zahl zwischen 0 und 19|Textfarbe|0"_s}}},
    {u"Geschwindigkeit"_s,
     {addSpeed,
      {u"Von welcher Zeile an soll sich die Geschwindigkeit verändern? (1 - 4)|Zeile|1"_s,
       u"Eine Zahl zwischen 1 = Schnell und 20 = Langsam|Textgeschwindigkeit|15"_s}}},
    {u"Pünktchen"_s,
     {addPause, {u"Welcher Zeile soll \"\\..\\..\\..\" hinzugefügt werden? (1 - 4)|Zeile|1"_s}}},
    {u"Schließen"_s,
     {addAutoClose,
      {u"Wie viele Verzögerungen? (1 - 20) (1 = \\. ; 2 = \\.\\. )|Automatisches Schließen|0"_s}}},
};

} // namespace

class TestCodeCommands : public QObject {
    Q_OBJECT

private slots:
    void command_data();
    void command();
    void nestsBeforeAnyEvaluation();
};

void TestCodeCommands::command_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    // Answers are separated by '/'; a question beyond them is cancelled. Line 0: nothing changes.
    const auto row = [](const char *command, const char *answers, int asked, int line = 0,
                        const QString &expected = {}) {
        QTest::addRow("%s %s", command, answers)
            << QString::fromUtf8(command) << QString::fromUtf8(answers) << asked << line
            << expected;
    };
    row("Farbe", "4/19", 2, 4, u"\\C[19] Vier\\C[0]"_s);
    row("Farbe", "2/20/3/-1/0/3/5/3/1/0", 10, 1, u"\\C[0] Eins\\C[0]"_s);
    row("Farbe", "", 1);
    row("Farbe", "2", 2);
    // The speed is checked first and asked again; a bad line then just ends the command.
    row("Geschwindigkeit", "6/0/2/21/1/1", 6, 1, u"\\S[1] Eins"_s);
    row("Geschwindigkeit", "4/20", 2, 4, u"\\S[20] Vier"_s);
    row("Geschwindigkeit", "0/15", 2);
    row("Geschwindigkeit", "5/15", 2);
    row("Geschwindigkeit", "abc", 1);
    row("Geschwindigkeit", "2", 2);
    row("Pünktchen", "0/5/4", 3, 4, u" Vier\\..\\..\\.."_s);
    row("Pünktchen", "1", 1, 1, u" Eins\\..\\..\\.."_s);
    row("Pünktchen", "32768", 1);
    row("Schließen", "0/21/1", 3, 4, u" Vier\\.\\^"_s);
    row("Schließen", "20", 1, 4, u" Vier"_s + u"\\."_s.repeated(20) + u"\\^"_s);
    row("Schließen", "0/", 2);
}

void TestCodeCommands::command()
{
    QFETCH(QString, command);
    QFETCH(QString, answers);
    QFETCH(int, asked);
    QFETCH(int, line);
    QFETCH(QString, expected);

    TestSession t;
    t.state.MsgZeilen = {u"null"_s, u" Eins"_s, u"   Hallo"_s, QString(), u" Vier"_s};
    t.window.ausgabe = u"alt"_s;
    auto after = t.state.MsgZeilen;
    if (line)
        after[line] = expected;

    t.dialogs.answers = answers.split(u'/');
    kCommands[command].run(t.session);

    const QStringList &questions = kCommands[command].questions;
    QCOMPARE(t.dialogs.questions.size(), asked);
    int i = 0;
    for (const auto &q : t.dialogs.questions)
        QCOMPARE(q.prompt + u'|' + q.title + u'|' + q.defaultAnswer,
                 questions[i++ % questions.size()]);
    QVERIFY(t.dialogs.messages.isEmpty());
    QCOMPARE(t.state.MsgZeilen, after);
    QCOMPARE(t.window.ausgabe,
             line ? QStringList(after.begin() + 1, after.end()).join(u"\r\n") : u"alt"_s);
    QCOMPARE(t.window.ausgabeWrites, line ? 1 : 0);
}

void TestCodeCommands::nestsBeforeAnyEvaluation()
{
    TestSession t;
    // Colour twice, speed, pause, each on line 2, then two delays before the close.
    t.dialogs.answers = u"2/3/2/12/2/4/2/2"_s.split(u'/');
    for (const QString &command :
         {u"Farbe"_s, u"Farbe"_s, u"Geschwindigkeit"_s, u"Pünktchen"_s, u"Schließen"_s})
        kCommands[command].run(t.session);
    QCOMPARE(t.window.ausgabe,
             u"\r\n\\S[4]\\C[12]\\C[3]\\C[0]\\C[0]\\..\\..\\..\r\n\r\n\\.\\.\\^"_s);
}

QTEST_GUILESS_MAIN(TestCodeCommands)
#include "tst_code_commands.moc"
