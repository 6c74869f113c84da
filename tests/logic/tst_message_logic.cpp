#include "codes/alignment_settings.h"
#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "codes/numeric_answer.h"
#include "layout/evaluation.h"
#include "test_session.h"

#include <QTest>

using Ints = QList<int>;

namespace {

// What each command asks, in turn; a rejected answer starts the questions again.
const QMap<QString, QStringList> kQuestions{
    {"Farbe",
     {"Zeile: Welche Zeile soll die Farbe ändern? (1 - 4) [1]",
      "Textfarbe: Eine Zahl zwischen 0 und 19 [0]"}},
    {"Geschwindigkeit",
     {"Zeile: Von welcher Zeile an soll sich die Geschwindigkeit verändern? (1 - 4) [1]",
      "Textgeschwindigkeit: Eine Zahl zwischen 1 = Schnell und 20 = Langsam [15]"}},
    {"Pünktchen", {R"(Zeile: Welcher Zeile soll "\..\..\.." hinzugefügt werden? (1 - 4) [1])"}},
    {"Schließen",
     {R"(Automatisches Schließen: Wie viele Verzögerungen? (1 - 20) (1 = \. ; 2 = \.\. ) [0])"}},
    {"Ausrichtung",
     {"Ausrichtung: Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig [1]"}}};
const QMap<QString, void (*)(Session &)> kCommands{
    {"Farbe", addColour},        {"Geschwindigkeit", addSpeed}, {"Pünktchen", addPause},
    {"Schließen", addAutoClose}, {"Ausrichtung", askAlignment}, {"Face", toggleFaceFromMenu}};

const std::array<QString, 5> kStored{"null", " Eins", "   Hallo", "", " Vier"};

// A command with its answers (a question beyond them is cancelled) and what it leaves.
struct Run {
    const char *command; // a menu item, or the text of a toolbar button
    QStringList answers{};
    int asked = 0;
    int line = 0; // the stored line it changes; 0: none, and the output box is not rebuilt
    QString text{};
    Ints settings{1, 50, 1, 50}; // alignment mode and width before, then after
    QString message{};           // shown after the questions
};

// Four input lines of these lengths, laid out with these settings.
struct Layout {
    Ints settings; // alignment mode and width
    Ints lengths;
    Ints blanks;
    Ints tooLong{}; // line and excess of each warning
};

} // namespace

Q_DECLARE_METATYPE(Run)
Q_DECLARE_METATYPE(Layout)

class TestMessageLogic : public QObject {
    Q_OBJECT

private slots:
    void evaluation_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::newRow("centred 50")
            << Layout{{1, 50}, {51, 0, 50, 60}, {1, 25, 1, 1}, {1, 1, 4, 10}};
        QTest::newRow("centred 38") << Layout{{1, 38}, {0, 35, 36, 39}, {19, 2, 1, 1}, {4, 1}};
        // Width 26 centres lines of 27 and more in 38, and warns only above 38.
        QTest::newRow("centred 26") << Layout{{1, 26}, {20, 0, 25, 26}, {3, 13, 1, 1}};
        QTest::newRow("centred 26 long") << Layout{{1, 26}, {27, 35, 38, 39}, {6, 2, 1, 1}, {4, 1}};
        QTest::newRow("right 50") << Layout{{2, 50}, {0, 30, 50, 70}, {50, 20, 1, 1}};
        QTest::newRow("right 26") << Layout{{2, 26}, {30, 20, 26, 0}, {1, 6, 1, 26}};
        QTest::newRow("left") << Layout{{3, 50}, {0, 70, 51, 10}, {0, 0, 0, 0}};
    }
    void evaluation()
    {
        QFETCH(Layout, layout);
        TestSession t;
        t.state = {kStored, qint16(layout.settings[0]), qint16(layout.settings[1])};
        auto expected = kStored;
        for (int i = 0; i < 4; ++i) {
            // Blanks in front, a CR LF and a character of two UTF-16 units: trimming the input or
            // counting characters instead of units would show.
            t.lines[i] = QString("  Grüße 😀 Welt\r\n").repeated(1 << 16).left(layout.lengths[i]);
            expected[i + 1] = QString(layout.blanks[i], u' ') + t.lines[i];
        }
        const auto input = t.lines;
        evaluate(t.session);

        QStringList warnings;
        for (int i = 0; i < layout.tooLong.size(); i += 2)
            warnings << QString("Zeilenlänge: Die  %1. Zeile ist  %2 Zeichen zu lang.")
                            .arg(layout.tooLong[i])
                            .arg(layout.tooLong[i + 1]);
        QCOMPARE(t.dialogs.shown, warnings);
        QCOMPARE(t.state.MsgZeilen, expected);
        QCOMPARE(t.ausgabe, QStringList(expected.begin() + 1, expected.end()).join("\r\n"));
        QCOMPARE(t.lines, input);
    }

    void commands_data()
    {
        QTest::addColumn<Run>("run");
        const QString closed20 = QString(" Vier") + QString(R"(\.)").repeated(20) + R"(\^)";
        QTest::newRow("colour 19") << Run{"Farbe", {"4", "19"}, 2, 4, R"(\C[19] Vier\C[0])"};
        // Colour 20 or -1, line 0 or 5: both questions again.
        QTest::newRow("colour 20, -1")
            << Run{"Farbe", {"2", "20", "3", "-1", "1", "0"}, 6, 1, R"(\C[0] Eins\C[0])"};
        QTest::newRow("line 0, 5")
            << Run{"Farbe", {"0", "3", "5", "3", "2", "7"}, 6, 2, R"(\C[7]   Hallo\C[0])"};
        QTest::newRow("colour cancelled") << Run{"Farbe", {"2"}, 2};
        // The speed is checked first and asked again; a bad line then just ends the command.
        QTest::newRow("speed 0, 21")
            << Run{"Geschwindigkeit", {"6", "0", "2", "21", "1", "1"}, 6, 1, R"(\S[1] Eins)"};
        QTest::newRow("speed 20") << Run{"Geschwindigkeit", {"4", "20"}, 2, 4, R"(\S[20] Vier)"};
        QTest::newRow("speed line 0") << Run{"Geschwindigkeit", {"0", "15"}, 2};
        QTest::newRow("speed cancelled") << Run{"Geschwindigkeit", {"2"}, 2};
        QTest::newRow("pause 0, 5") << Run{"Pünktchen", {"0", "5", "4"}, 3, 4, R"( Vier\..\..\..)"};
        QTest::newRow("pause no number") << Run{"Pünktchen", {"32768"}, 1};
        QTest::newRow("close 0, 21") << Run{"Schließen", {"0", "21", "1"}, 3, 4, R"( Vier\.\^)"};
        QTest::newRow("close 20") << Run{"Schließen", {"20"}, 1, 4, closed20};
        QTest::newRow("close cancelled") << Run{"Schließen", {"0"}, 2};
        // Settings change only mode and width; a failed answer changes nothing.
        QTest::newRow("1 at 38") << Run{"Ausrichtung", {"1"}, 1, 0, {}, {2, 38, 1, 26}};
        QTest::newRow("1 at 50") << Run{"Ausrichtung", {"1"}, 1, 0, {}, {2, 50, 1, 50}};
        QTest::newRow("2,5 at 26") << Run{"Ausrichtung", {"2,5"}, 1, 0, {}, {1, 26, 2, 38}};
        QTest::newRow("2 at 50") << Run{"Ausrichtung", {"2"}, 1, 0, {}, {1, 50, 2, 50}};
        QTest::newRow("-9 at 26") << Run{"Ausrichtung", {"-9"}, 1, 0, {}, {1, 26, -9, 38}};
        QTest::newRow("alignment cancelled") << Run{"Ausrichtung", {}, 1, 0, {}, {2, 38, 2, 38}};
        QTest::newRow("face on") << Run{
            "Face", {}, 0, 0, {}, {1, 50, 1, 38}, "Face On: Messages mit Faces"};
        QTest::newRow("face off") << Run{
            "Face", {}, 0, 0, {}, {1, 26, 1, 50}, "Face Off: Messages ohne Faces"};
        QTest::newRow("Zentriert") << Run{"Zentriert", {}, 0, 0, {}, {3, 38, 1, 26}};
        QTest::newRow("Rechts") << Run{"Rechts", {}, 0, 0, {}, {1, 26, 2, 38}};
        QTest::newRow("Links") << Run{"Links", {}, 0, 0, {}, {1, 26, 3, 38}};
        QTest::newRow("on, centred")
            << Run{"Face On/Off", {}, 0, 0, {}, {1, 50, 1, 26}, "Face On: Faces ON"};
        QTest::newRow("on, right")
            << Run{"Face On/Off", {}, 0, 0, {}, {2, 50, 2, 38}, "Face On: Faces ON"};
        QTest::newRow("off") << Run{"Face On/Off",        {}, 0, 0, {}, {1, 26, 1, 50},
                                    "Face Off: Faces OFF"};
        QTest::newRow("rechts") << Run{"rechts", {}, 0, 0, {}, {1, 26, 1, 26}};
    }
    void commands()
    {
        QFETCH(Run, run);
        TestSession t;
        t.state = {kStored, qint16(run.settings[0]), qint16(run.settings[1])};
        t.dialogs.answers = run.answers;
        if (kCommands.contains(run.command))
            kCommands[run.command](t.session);
        else
            toolbarButtonClicked(t.session, run.command);

        const QStringList questions = kQuestions.value(run.command);
        QStringList shown;
        for (int i = 0; i < run.asked; ++i)
            shown << questions.at(i % questions.size());
        if (!run.message.isEmpty())
            shown << run.message;
        QCOMPARE(t.dialogs.shown, shown);
        auto expected = kStored;
        if (run.line)
            expected[run.line] = run.text;
        QCOMPARE(t.state.MsgZeilen, expected);
        QCOMPARE(t.ausgabeWrites, run.line ? 1 : 0);
        QCOMPARE(Ints({t.state.AusrichtungsModus, t.state.Zeilenbreite}), run.settings.mid(2));
    }

    void numbers_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("expected"); // 99999: no 16-bit number

        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("blanks, tab, no-break space") << de << " \t\u00a0-3 \t" << -3;
        QTest::newRow("half down to even") << de << "2,5" << 2;
        QTest::newRow("half up to even") << de << "3,5" << 4;
        QTest::newRow("negative half") << de << "-2,5" << -2;
        QTest::newRow("largest") << de << "32767,4" << 32767;
        QTest::newRow("above largest") << de << "32767,5" << 99999;
        QTest::newRow("smallest") << de << "-32768,5" << -32768;
        QTest::newRow("below smallest") << de << "-32768,6" << 99999;
        QTest::newRow("exponent") << de << "1e3" << 1000;
        QTest::newRow("empty") << de << "" << 99999;
        QTest::newRow("letters") << de << "abc" << 99999;
        QTest::newRow("infinity") << de << "inf" << 99999;
        // Rounded by the digits, however many: a double would make these 1.5, 2.5 and 32767.5.
        QTest::newRow("long fraction below half") << de << "1,4999999999999999999" << 1;
        QTest::newRow("long fraction above half") << de << "2,50000000000000000001" << 3;
        QTest::newRow("largest, long fraction") << de << "32767,4999999999999999999" << 32767;
        // As Qt writes numbers in the locale, signs with direction marks and local digits included.
        for (const QLocale &locale : {QLocale("ar_EG"), QLocale("ar_SA"), QLocale("fa_IR"),
                                      QLocale("he_IL"), QLocale("ur_PK"), de, QLocale("en_US")})
            QTest::addRow("%s", qPrintable(locale.name())) << locale << locale.toString(-2.5) << -2;
        QTest::newRow("Arabic sign alone")
            << QLocale("ar_EG") << QLocale("ar_EG").negativeSign() << 99999;
        QTest::newRow("Hebrew mark between digits") << QLocale("he_IL") << "1\u200e2" << 99999;
    }
    void numbers()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, answer);
        QFETCH(int, expected);
        TestSession t;
        t.session.locale = locale;
        t.dialogs.answers = {answer};
        const auto number = askNumber(t.session, {}, {}, 0);
        QCOMPARE(number ? int(*number) : 99999, expected);
    }
};

QTEST_APPLESS_MAIN(TestMessageLogic)
#include "tst_message_logic.moc"
