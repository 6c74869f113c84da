#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "test_session.h"

#include <QTest>

#include <functional>

namespace {

using Command = std::function<void(Session &)>;

const QString kColourLinePrompt = QStringLiteral("Welche Zeile soll die Farbe ändern? (1 - 4)");
const QString kColourPrompt = QStringLiteral("Eine Zahl zwischen 0 und 19");
const QString kSpeedLinePrompt =
    QStringLiteral("Von welcher Zeile an soll sich die Geschwindigkeit verändern? (1 - 4)");
const QString kSpeedPrompt = QStringLiteral("Eine Zahl zwischen 1 = Schnell und 20 = Langsam");
const QString kPausePrompt =
    QStringLiteral("Welcher Zeile soll \"\\..\\..\\..\" hinzugefügt werden? (1 - 4)");
const QString kClosePrompt =
    QStringLiteral("Wie viele Verzögerungen? (1 - 20) (1 = \\. ; 2 = \\.\\. )");

// Prompt, title and default of a question, in one text for easy comparison.
QString question(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    return prompt + u'|' + title + u'|' + defaultAnswer;
}

const QString kAskColourLine = question(kColourLinePrompt, QStringLiteral("Zeile"), "1");
const QString kAskColour = question(kColourPrompt, QStringLiteral("Textfarbe"), "0");
const QString kAskSpeedLine = question(kSpeedLinePrompt, QStringLiteral("Zeile"), "1");
const QString kAskSpeed = question(kSpeedPrompt, QStringLiteral("Textgeschwindigkeit"), "15");
const QString kAskPauseLine = question(kPausePrompt, QStringLiteral("Zeile"), "1");
const QString kAskDelays = question(kClosePrompt, QStringLiteral("Automatisches Schließen"), "0");

QStringList askedQuestions(const ScriptedDialogs &dialogs)
{
    QStringList asked;
    for (const auto &q : dialogs.questions)
        asked << question(q.prompt, q.title, q.defaultAnswer);
    return asked;
}

Command commandNamed(const QString &name)
{
    if (name == u"colour")
        return addColour;
    if (name == u"speed")
        return addSpeed;
    if (name == u"pause")
        return addPause;
    return addAutoClose;
}

using Lines = std::array<QString, 5>;

// Stored lines as an evaluation might have left them, with the output showing them.
struct EvaluatedSession : TestSession {
    EvaluatedSession()
    {
        state.MsgZeilen = {QStringLiteral("nie"), QStringLiteral("          Eins"),
                           QStringLiteral("   Hallo"), QString(), QStringLiteral(" Vier")};
        window.ausgabe = QStringLiteral("          Eins\r\n   Hallo\r\n\r\n Vier");
    }
};

QString shown(const Lines &lines)
{
    return QStringList{lines[1], lines[2], lines[3], lines[4]}.join(QStringLiteral("\r\n"));
}

} // namespace

class TestCodeCommands : public QObject {
    Q_OBJECT

private slots:
    void applies_data();
    void applies();
    void endsWithoutChange_data();
    void endsWithoutChange();
    void colourNests();
    void speedNests();
    void beforeAnyEvaluation_data();
    void beforeAnyEvaluation();
    void pauseAfterColour();
};

void TestCodeCommands::applies_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    const QStringList colourOnce{kAskColourLine, kAskColour};
    const QStringList colourTwice = colourOnce + colourOnce;
    QTest::newRow("colour 5 on 2")
        << "colour" << QStringList{"2", "5"} << colourOnce << 2 << "\\C[5]   Hallo\\C[0]";
    QTest::newRow("colour 0 on 1")
        << "colour" << QStringList{"1", "0"} << colourOnce << 1 << "\\C[0]          Eins\\C[0]";
    QTest::newRow("colour 19 on 4")
        << "colour" << QStringList{"4", "19"} << colourOnce << 4 << "\\C[19] Vier\\C[0]";
    QTest::newRow("colour on empty 3")
        << "colour" << QStringList{"3", "7"} << colourOnce << 3 << "\\C[7]\\C[0]";
    QTest::newRow("colour rounded answers")
        << "colour" << QStringList{" 2,5 ", "4,5"} << colourOnce << 2 << "\\C[4]   Hallo\\C[0]";
    for (const auto &[name, line, colour] :
         {std::tuple{"colour 20", "2", "20"}, std::tuple{"colour -1", "2", "-1"},
          std::tuple{"line 0", "0", "3"}, std::tuple{"line 5", "5", "3"},
          std::tuple{"line -32768", "-32768", "3"}, std::tuple{"both out", "9", "99"}})
        QTest::addRow("colour re-asked after %s", name)
            << "colour" << QStringList{line, colour, "4", "1"} << colourTwice << 4
            << "\\C[1] Vier\\C[0]";
    QTest::newRow("colour re-asked twice")
        << "colour" << QStringList{"0", "0", "1", "20", "1", "19"} << colourTwice + colourOnce << 1
        << "\\C[19]          Eins\\C[0]";

    const QStringList speedOnce{kAskSpeedLine, kAskSpeed};
    const QStringList speedTwice = speedOnce + speedOnce;
    QTest::newRow("speed 20 on 3")
        << "speed" << QStringList{"3", "20"} << speedOnce << 3 << "\\S[20]";
    QTest::newRow("speed 1 on 2") << "speed" << QStringList{"2", "1"} << speedOnce << 2
                                  << "\\S[1]   Hallo";
    QTest::newRow("speed 15 on 1")
        << "speed" << QStringList{"1", "15"} << speedOnce << 1 << "\\S[15]          Eins";
    QTest::newRow("speed re-asked after 0")
        << "speed" << QStringList{"2", "0", "4", "9"} << speedTwice << 4 << "\\S[9] Vier";
    QTest::newRow("speed re-asked after 21")
        << "speed" << QStringList{"2", "21", "2", "3"} << speedTwice << 2 << "\\S[3]   Hallo";
    // The speed is checked first, so a bad line is asked again together with a bad speed.
    QTest::newRow("speed re-asked with bad line")
        << "speed" << QStringList{"6", "0", "1", "2"} << speedTwice << 1 << "\\S[2]          Eins";

    QTest::newRow("pause on 2") << "pause" << QStringList{"2"} << QStringList{kAskPauseLine} << 2
                                << "   Hallo\\..\\..\\..";
    QTest::newRow("pause on 4") << "pause" << QStringList{"4"} << QStringList{kAskPauseLine} << 4
                                << " Vier\\..\\..\\..";
    QTest::newRow("pause on empty 3")
        << "pause" << QStringList{"3"} << QStringList{kAskPauseLine} << 3 << "\\..\\..\\..";
    QTest::newRow("pause re-asked after 0 and 5")
        << "pause" << QStringList{"0", "5", "1"}
        << QStringList{kAskPauseLine, kAskPauseLine, kAskPauseLine} << 1
        << "          Eins\\..\\..\\..";

    QTest::newRow("close 1") << "close" << QStringList{"1"} << QStringList{kAskDelays} << 4
                             << " Vier\\.\\^";
    QTest::newRow("close 3") << "close" << QStringList{"3"} << QStringList{kAskDelays} << 4
                             << " Vier\\.\\.\\.\\^";
    QTest::newRow("close 20") << "close" << QStringList{"20"} << QStringList{kAskDelays} << 4
                              << QStringLiteral(" Vier") + QStringLiteral("\\.").repeated(20) +
                                     QStringLiteral("\\^");
    QTest::newRow("close re-asked after default 0")
        << "close" << QStringList{"0", "2"} << QStringList{kAskDelays, kAskDelays} << 4
        << " Vier\\.\\.\\^";
    QTest::newRow("close re-asked after 21 and -1")
        << "close" << QStringList{"21", "-1", "1"}
        << QStringList{kAskDelays, kAskDelays, kAskDelays} << 4 << " Vier\\.\\^";
}

void TestCodeCommands::applies()
{
    QFETCH(QString, command);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, asked);
    QFETCH(int, line);
    QFETCH(QString, expected);

    EvaluatedSession t;
    Lines after = t.state.MsgZeilen;
    after[line] = expected;
    t.dialogs.answers = answers;

    commandNamed(command)(t.session);

    QCOMPARE(askedQuestions(t.dialogs), asked);
    QVERIFY(t.dialogs.answers.isEmpty());
    QVERIFY(t.dialogs.messages.isEmpty());
    QCOMPARE(t.state.MsgZeilen, after);
    QCOMPARE(t.window.ausgabe, shown(after));
    QCOMPARE(t.window.ausgabeWrites, 1);
    QCOMPARE(t.state.AusrichtungsModus, qint16(1));
    QCOMPARE(t.state.Zeilenbreite, qint16(50));
}

void TestCodeCommands::endsWithoutChange_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("questionsAsked");

    // Answers beyond the script count as cancelled.
    for (const char *command : {"colour", "speed"}) {
        QTest::addRow("%s: line cancelled", command) << command << QStringList{} << 1;
        QTest::addRow("%s: line emptied", command) << command << QStringList{""} << 1;
        QTest::addRow("%s: line letters", command) << command << QStringList{"zwei"} << 1;
        QTest::addRow("%s: line above 16 bit", command) << command << QStringList{"32768"} << 1;
        QTest::addRow("%s: value cancelled", command) << command << QStringList{"2"} << 2;
        QTest::addRow("%s: value letters", command) << command << QStringList{"2", "x"} << 2;
        QTest::addRow("%s: value below 16 bit", command)
            << command << QStringList{"2", "-32769"} << 2;
        QTest::addRow("%s: value infinite", command) << command << QStringList{"2", "inf"} << 2;
        QTest::addRow("%s: bad line, value cancelled", command) << command << QStringList{"7"} << 2;
        QTest::addRow("%s: cancelled when asked again", command)
            << command << QStringList{"2", "25"} << 3;
        QTest::addRow("%s: value cancelled when asked again", command)
            << command << QStringList{"0", "0", "3"} << 4;
    }
    QTest::newRow("speed: line 0 after speed accepted") << "speed" << QStringList{"0", "15"} << 2;
    QTest::newRow("speed: line 6 after speed accepted") << "speed" << QStringList{"6", "15"} << 2;
    QTest::newRow("speed: line 5 after re-asking")
        << "speed" << QStringList{"5", "30", "5", "20"} << 4;
    QTest::newRow("speed: line -32768") << "speed" << QStringList{"-32768", "1"} << 2;

    for (const char *command : {"pause", "close"}) {
        QTest::addRow("%s: cancelled", command) << command << QStringList{} << 1;
        QTest::addRow("%s: emptied", command) << command << QStringList{""} << 1;
        QTest::addRow("%s: letters", command) << command << QStringList{"drei"} << 1;
        QTest::addRow("%s: above 16 bit", command) << command << QStringList{"1e10"} << 1;
        QTest::addRow("%s: cancelled when asked again", command)
            << command << QStringList{"0"} << 2;
    }
}

void TestCodeCommands::endsWithoutChange()
{
    QFETCH(QString, command);
    QFETCH(QStringList, answers);
    QFETCH(int, questionsAsked);

    EvaluatedSession t;
    const Lines before = t.state.MsgZeilen;
    const QString output = t.window.ausgabe;
    t.dialogs.answers = answers;

    commandNamed(command)(t.session);

    QCOMPARE(t.dialogs.questions.size(), questionsAsked);
    QVERIFY(t.dialogs.messages.isEmpty());
    QCOMPARE(t.state.MsgZeilen, before);
    for (int n = 0; n <= 4; ++n)
        QCOMPARE(t.state.MsgZeilen[n].isNull(), before[n].isNull());
    QCOMPARE(t.window.ausgabe, output);
    QCOMPARE(t.window.ausgabeWrites, 0);
    QCOMPARE(t.state.AusrichtungsModus, qint16(1));
    QCOMPARE(t.state.Zeilenbreite, qint16(50));
}

void TestCodeCommands::colourNests()
{
    EvaluatedSession t;
    t.dialogs.answers = {"2", "5", "2", "12"};
    addColour(t.session);
    QCOMPARE(t.state.MsgZeilen[2], QStringLiteral("\\C[5]   Hallo\\C[0]"));
    addColour(t.session);
    QCOMPARE(t.state.MsgZeilen[2], QStringLiteral("\\C[12]\\C[5]   Hallo\\C[0]\\C[0]"));
    QCOMPARE(t.window.ausgabe,
             QStringLiteral("          Eins\r\n\\C[12]\\C[5]   Hallo\\C[0]\\C[0]\r\n\r\n Vier"));
    QCOMPARE(t.window.ausgabeWrites, 2);
}

void TestCodeCommands::speedNests()
{
    EvaluatedSession t;
    t.dialogs.answers = {"4", "3", "4", "20", "2", "1"};
    addSpeed(t.session);
    addSpeed(t.session);
    addColour(t.session);
    QCOMPARE(t.state.MsgZeilen[4], QStringLiteral("\\S[20]\\S[3] Vier"));
    QCOMPARE(t.state.MsgZeilen[2], QStringLiteral("\\C[1]   Hallo\\C[0]"));
}

void TestCodeCommands::beforeAnyEvaluation_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("output");

    QTest::newRow("colour 3 on 2")
        << "colour" << QStringList{"2", "3"} << "\r\n\\C[3]\\C[0]\r\n\r\n";
    QTest::newRow("speed 4 on 1") << "speed" << QStringList{"1", "4"} << "\\S[4]\r\n\r\n\r\n";
    QTest::newRow("pause on 3") << "pause" << QStringList{"3"} << "\r\n\r\n\\..\\..\\..\r\n";
    QTest::newRow("close 2") << "close" << QStringList{"2"} << "\r\n\r\n\r\n\\.\\.\\^";
}

void TestCodeCommands::beforeAnyEvaluation()
{
    QFETCH(QString, command);
    QFETCH(QStringList, answers);
    QFETCH(QString, output);

    TestSession t;
    t.dialogs.answers = answers;
    commandNamed(command)(t.session);
    QCOMPARE(t.window.ausgabe, output);
    QVERIFY(t.state.MsgZeilen[0].isEmpty());
}

void TestCodeCommands::pauseAfterColour()
{
    EvaluatedSession t;
    t.dialogs.answers = {"2", "6", "2", "2"};
    addColour(t.session);
    addPause(t.session);
    addAutoClose(t.session);
    QCOMPARE(t.state.MsgZeilen[2], QStringLiteral("\\C[6]   Hallo\\C[0]\\..\\..\\.."));
    QCOMPARE(t.state.MsgZeilen[4], QStringLiteral(" Vier\\.\\.\\^"));
    QCOMPARE(
        t.window.ausgabe,
        QStringLiteral("          Eins\r\n\\C[6]   Hallo\\C[0]\\..\\..\\..\r\n\r\n Vier\\.\\.\\^"));
}

QTEST_GUILESS_MAIN(TestCodeCommands)
#include "tst_code_commands.moc"
