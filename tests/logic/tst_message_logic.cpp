#include "codes/alignment_settings.h"
#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "layout/evaluation.h"
#include "symbols/symbol_catalogue.h"
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
    const char *command;   // a menu item, or the text of a toolbar button
    QStringList answers{}; // an empty one cancels
    int line = 0;          // the stored line it changes; 0: none, and the output box is not rebuilt
    QString text{};
    Ints settings{1, 50, 1, 50}; // alignment mode and width before, then after
    QString message{};           // shown after the questions
    QLocale locale{QLocale::German, QLocale::Germany};
};

// Four input lines of these lengths, laid out with these settings.
struct Layout {
    Ints settings, lengths, blanks; // alignment mode and width; the lines' lengths; blanks added
    Ints tooLong{};                 // line and excess of each warning
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
        evaluate(t.session);

        QStringList warnings;
        for (int i = 0; i < layout.tooLong.size(); i += 2)
            warnings << QString::asprintf("Zeilenlänge: Die  %d. Zeile ist  %d Zeichen zu lang.",
                                          layout.tooLong[i], layout.tooLong[i + 1]);
        QCOMPARE(t.dialogs.shown, warnings);
        QCOMPARE(t.state.MsgZeilen, expected);
        QCOMPARE(t.ausgabe, QStringList(expected.begin() + 1, expected.end()).join("\r\n"));
    }

    void commands_data()
    {
        QTest::addColumn<Run>("run");
        const QString close20 = QString(" Vier") + QString(R"(\.)").repeated(20) + R"(\^)";
        QTest::newRow("colour 19") << Run{"Farbe", {"4", "19"}, 4, R"(\C[19] Vier\C[0])"};
        // Colour 20 or -1, line 0 or 5: both questions again.
        QTest::newRow("colour 20, -1")
            << Run{"Farbe", {"2", "20", "3", "-1", "1", "0"}, 1, R"(\C[0] Eins\C[0])"};
        QTest::newRow("line 0, 5")
            << Run{"Farbe", {"0", "3", "5", "3", "2", "7"}, 2, R"(\C[7]   Hallo\C[0])"};
        QTest::newRow("colour cancelled") << Run{"Farbe", {"2", ""}};
        // The speed is checked first and asked again; a bad line then just ends the command.
        QTest::newRow("speed 0, 21")
            << Run{"Geschwindigkeit", {"6", "0", "2", "21", "1", "1"}, 1, R"(\S[1] Eins)"};
        QTest::newRow("speed 20") << Run{"Geschwindigkeit", {"4", "20"}, 4, R"(\S[20] Vier)"};
        QTest::newRow("speed line 0") << Run{"Geschwindigkeit", {"0", "15"}};
        QTest::newRow("speed cancelled") << Run{"Geschwindigkeit", {"2", ""}};
        QTest::newRow("pause 0, 5") << Run{"Pünktchen", {"0", "5", "4"}, 4, R"( Vier\..\..\..)"};
        QTest::newRow("pause no number") << Run{"Pünktchen", {"32768"}};
        QTest::newRow("close 0, 21") << Run{"Schließen", {"0", "21", "1"}, 4, R"( Vier\.\^)"};
        QTest::newRow("close 20") << Run{"Schließen", {"20"}, 4, close20};
        QTest::newRow("close cancelled") << Run{"Schließen", {"0", ""}};
        // Settings change only mode and width; a failed answer changes nothing.
        QTest::newRow("1 at 50") << Run{"Ausrichtung", {"1"}, 0, {}, {2, 50, 1, 50}};
        QTest::newRow("2,5 at 26") << Run{"Ausrichtung", {"2,5"}, 0, {}, {1, 26, 2, 38}};
        QTest::newRow("cancelled") << Run{"Ausrichtung", {""}, 0, {}, {2, 38, 2, 38}};
        // The alignment takes any number in the user's format; no 16-bit number leaves mode 7.
        const auto number =
            [](const char *name, const QString &answer, int mode, const char *locale = "de_DE") {
                QTest::newRow(name)
                    << Run{"Ausrichtung", {answer}, 0, {}, {7, 50, mode, 50}, {}, QLocale(locale)};
            };
        // Halves go to the even neighbour; out of range is no number.
        number("smallest", "-32768,50", -32768);
        number("below smallest", "-32768,6", 7);
        number("not a number", "nan", 7);
        // Rounded by the digits, however many: a double would make this 32767.5.
        number("largest, long", "32767,4999999999999999999", 32767);
        // As Qt writes numbers in the locale, signs with direction marks and local digits included.
        for (const char *locale : {"ar_EG", "ar_SA", "fa_IR", "he_IL", "ur_PK", "de_DE", "en_US"})
            number(locale, QLocale(locale).toString(-2.5), -2, locale);
        number("Arabic plus sign", QLocale("ar_EG").positiveSign() + "\u0663", 3, "ar_EG");
        number("Hebrew mark between digits", "1\u200e2", 7, "he_IL");
        // Every number Qt reads is taken as Qt reads it, whatever sign, exponent or digits it has,
        // and its digits beyond a double's decide only a half.
        number("Swedish E, negative exponent", "5E-1", 0, "sv_SE");
        number("Arabic e, long", "2\u066b5000000000000001e+" + QString(100000, u'0'), 3, "ar_EG");
        number("typographic minus, long", "\u221232768,50000000000000000001", 7);
        number("plus, Ukrainian exponent, long", "+0,250000000000000000001\u04351", 3, "uk_UA");
        number("blank groups, long", "\t1 234,50000000000000000001\u00a0", 1235, "fr_FR");
        number("Adlam, long", "𞥙⹁𞥒𞥓𞥔.𞥕" + QString("𞥐").repeated(18) + "𞥑",
               9235, "ff_Adlm_GN");
        QTest::newRow("on") << Run{
            "Face", {}, 0, {}, {1, 50, 1, 38}, "Face On: Messages mit Faces"};
        QTest::newRow("off") << Run{
            "Face", {}, 0, {}, {1, 26, 1, 50}, "Face Off: Messages ohne Faces"};
        QTest::newRow("Zentriert") << Run{"Zentriert", {}, 0, {}, {3, 38, 1, 26}};
        QTest::newRow("Rechts") << Run{"Rechts", {}, 0, {}, {1, 26, 2, 38}};
        QTest::newRow("Links") << Run{"Links", {}, 0, {}, {1, 26, 3, 38}};
        QTest::newRow("on, centred")
            << Run{"Face On/Off", {}, 0, {}, {1, 50, 1, 26}, "Face On: Faces ON"};
        QTest::newRow("on, right")
            << Run{"Face On/Off", {}, 0, {}, {2, 50, 2, 38}, "Face On: Faces ON"};
        QTest::newRow("toolbar off")
            << Run{"Face On/Off", {}, 0, {}, {1, 26, 1, 50}, "Face Off: Faces OFF"};
        QTest::newRow("rechts") << Run{"rechts", {}, 0, {}, {1, 26, 1, 26}};
    }
    void commands()
    {
        QFETCH(Run, run);
        TestSession t;
        t.state = {kStored, qint16(run.settings[0]), qint16(run.settings[1])};
        t.dialogs.answers = run.answers;
        t.ausgabe = "alt";
        t.session.locale = run.locale;
        if (kCommands.contains(run.command))
            kCommands[run.command](t.session);
        else
            toolbarButtonClicked(t.session, run.command);

        const QStringList questions = kQuestions.value(run.command);
        QStringList shown;
        for (int i = 0; i < run.answers.size(); ++i)
            shown << questions.at(i % questions.size());
        if (!run.message.isEmpty())
            shown << run.message;
        QCOMPARE(t.dialogs.shown, shown);
        auto expected = kStored;
        if (run.line)
            expected[run.line] = run.text;
        QCOMPARE(t.state.MsgZeilen, expected);
        QCOMPARE(t.ausgabe != "alt", run.line != 0);
        QCOMPARE(Ints({t.state.AusrichtungsModus, t.state.Zeilenbreite}), run.settings.mid(2));
    }

    void names()
    {
        // Their order fixes the codes: "$A" to "$Z", then "$a" to "$z".
        QCOMPARE(
            symbolNames().join(", "),
            "Schwert, Schild, Hexagramm, Sonne, Mond, Merkur, Venus, Venus (gespiegelt), Mars, "
            "Jupiter, Saturn, Uranus, Neptun, Pluto, Widder, Stier, Zwillinge, Krebs, Löwe, "
            "Jungrau, Waage, Skorpion, Schütze, Steinbock, Wassermann, Fische, Smiley grinst, "
            "Smiley neutral, Smiley böse, Ein Tropfen, Zwei Tropfen, Pick leer, Herz leer, "
            "Karo leer, Kreuz(leer), Pick(voll), Herz(voll), Karo(voll), Kreuz(voll), "
            "Totenkopf, Heiliges Kreuz, Sonne 2, Mond 2, Punkt, Pfeil nach Oben, Pfeil nach "
            "Rechts, Pfeil nach Unten, Pfeil nach Links, Pfeil nach Oben Rechts, Pfeil nach "
            "Oben Links, Pfeil nach Unten Rechts, Pfeil nach Unten Links");
        QCOMPARE(QStringList({*symbolCodeOf(u"Schwert"), *symbolCodeOf(u"Fische"),
                              *symbolCodeOf(u"Smiley grinst"),
                              *symbolCodeOf(u"Pfeil nach Unten Links")}),
                 QStringList({"$A", "$Z", "$a", "$z"}));
        QCOMPARE(symbolCategoryNames(),
                 QStringList({"Alles", "Sonstiges", "Planeten", "Sternzeichen", "Smiley", "Karten",
                              "Pfeile"}));
    }

    void category_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("names"); // "-": no category

        const QStringList all = symbolNames();
        QTest::newRow("Alles") << "Alles" << all;
        QTest::newRow("Sonstiges")
            << "Sonstiges" << all.mid(0, 3) + all.mid(39, 2) + all.mid(43, 1);
        QTest::newRow("Planeten") << "Planeten" << all.mid(3, 11) + all.mid(41, 2);
        QTest::newRow("Sternzeichen") << "Sternzeichen" << all.mid(14, 12);
        QTest::newRow("Smiley") << "Smiley" << all.mid(26, 5);
        QTest::newRow("Karten") << "Karten" << all.mid(31, 8);
        QTest::newRow("Pfeile") << "Pfeile" << all.mid(44, 8);
        for (const char *text : {"alles", " Karten", "Pfeile ", ""})
            QTest::addRow("'%s'", text) << text << QStringList{"-"};
    }
    void category()
    {
        QFETCH(QString, category);
        QFETCH(QStringList, names);
        QCOMPARE(symbolNamesIn(category).value_or(QStringList{"-"}), names);
    }
};

QTEST_APPLESS_MAIN(TestMessageLogic)
#include "tst_message_logic.moc"
