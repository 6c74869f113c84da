#include "codes/colour_speed.h"
#include "layout/evaluation.h"
#include "state/output_text.h"
#include "test_session.h"

#include <QTest>

namespace {

const QString kWarningTitle = QStringLiteral("Zeilenlänge");

// A text of the given length that neither begins nor ends with a blank.
QString sample(qsizetype length)
{
    static const QString letters = QStringLiteral("Hallo_Welt!");
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += letters.at(text.size() % letters.size());
    return text;
}

QString blanks(qsizetype count)
{
    return QString(count, u' ');
}

// The blank loop as the game tool's authors describe it: add one, then go on while the target
// lies above the count. Deliberately step by step, unlike the closed form in the program.
int blanksByLoop(int mode, int width, int length)
{
    double target = 0;
    if (mode == 1) {
        const int w = (width == 26 && length > 26) ? 38 : width;
        target = (w - length) / 2.0;
    } else if (mode == 2) {
        target = width - length;
    } else {
        return 0;
    }
    int k = 0;
    do
        ++k;
    while (target > k);
    return k;
}

void setAllLines(FakeWindow &window, const QString &text)
{
    for (QString &line : window.lines)
        line = text;
}

QString joined(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

using Lines = std::array<QString, 5>;

// Records what the window and the store held whenever a warning was open.
class ObservingDialogs final : public Dialogs {
public:
    ObservingDialogs(const FakeWindow &window, const Module1 &state)
        : m_window(window), m_state(state)
    {
    }

    QStringList outputsSeen;
    QList<Lines> storesSeen;
    QStringList texts;

    QString ask(const QString &, const QString &, const QString &) override { return {}; }
    void inform(const QString &text, const QString &) override
    {
        texts << text;
        outputsSeen << m_window.ausgabe;
        storesSeen << m_state.MsgZeilen;
    }

private:
    const FakeWindow &m_window;
    const Module1 &m_state;
};

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT

private slots:
    void blankTable_data();
    void blankTable();
    void documentedCases_data();
    void documentedCases();
    void warnings_data();
    void warnings();
    void outputEmptyAndStoreOldWhileWarning();
    void outputJoinedByThreeLineBreaks_data();
    void outputJoinedByThreeLineBreaks();
    void entryZeroNeverWritten();
    void inputLinesUnchanged();
    void evaluatingTwiceGivesSameOutput();
    void refreshingAfterEvaluationChangesNothing();
    void newEvaluationDiscardsCodes();
    void textsPassThrough_data();
    void textsPassThrough();
    void hugeLineStaysWhole_data();
    void hugeLineStaysWhole();
    void leadingBlanksOfInputKept_data();
    void leadingBlanksOfInputKept();
};

void TestEvaluation::blankTable_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");

    for (int mode : {1, 2, 3, 0, 7, -1, 32767, -32768})
        for (int width : {50, 38, 26, 40, 41, 0, 32767})
            for (int length : {0, 1, 11, 12, 20, 26, 27, 37, 38, 39, 40, 49, 50, 51, 53, 70})
                QTest::addRow("mode %d width %d length %d", mode, width, length)
                    << mode << width << length;
}

void TestEvaluation::blankTable()
{
    QFETCH(int, mode);
    QFETCH(int, width);
    QFETCH(int, length);

    TestSession t;
    t.state.AusrichtungsModus = qint16(mode);
    t.state.Zeilenbreite = qint16(width);
    const QString text = sample(length);
    setAllLines(t.window, text);

    evaluate(t.session);

    const QString expected = blanks(blanksByLoop(mode, width, length)) + text;
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(t.state.MsgZeilen[n], expected);
    QCOMPARE(t.window.ausgabe, joined({expected, expected, expected, expected}));

    const int limit = width == 26 ? 38 : width;
    const bool warns = mode == 1 && length > limit;
    QCOMPARE(t.dialogs.messages.size(), warns ? 4 : 0);
    for (int i = 0; i < t.dialogs.messages.size(); ++i) {
        QCOMPARE(t.dialogs.messages[i].title, kWarningTitle);
        QCOMPARE(t.dialogs.messages[i].text,
                 QStringLiteral("Die  %1. Zeile ist  %2 Zeichen zu lang.")
                     .arg(i + 1)
                     .arg(length - limit));
    }
    QVERIFY(t.dialogs.questions.isEmpty());
    // The settings are read, never written.
    QCOMPARE(int(t.state.AusrichtungsModus), mode);
    QCOMPARE(int(t.state.Zeilenbreite), width);
}

void TestEvaluation::documentedCases_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expectedBlanks");

    QTest::newRow("empty centred 50") << 1 << 50 << 0 << 25;
    QTest::newRow("empty centred 38") << 1 << 38 << 0 << 19;
    QTest::newRow("empty centred 26") << 1 << 26 << 0 << 13;
    QTest::newRow("empty right 50") << 2 << 50 << 0 << 50;
    QTest::newRow("empty left") << 3 << 50 << 0 << 0;
    QTest::newRow("11 centred 50") << 1 << 50 << 11 << 20;
    QTest::newRow("50 centred 50") << 1 << 50 << 50 << 1;
    QTest::newRow("48 centred 50") << 1 << 50 << 48 << 1;
    QTest::newRow("47 centred 50") << 1 << 50 << 47 << 2;
    QTest::newRow("53 centred 50") << 1 << 50 << 53 << 1;
    QTest::newRow("20 centred 26") << 1 << 26 << 20 << 3;
    QTest::newRow("26 centred 26") << 1 << 26 << 26 << 1;
    QTest::newRow("27 centred 26") << 1 << 26 << 27 << 6;
    QTest::newRow("38 centred 26") << 1 << 26 << 38 << 1;
    QTest::newRow("40 centred 26") << 1 << 26 << 40 << 1;
    QTest::newRow("30 right 50") << 2 << 50 << 30 << 20;
    QTest::newRow("49 right 50") << 2 << 50 << 49 << 1;
    QTest::newRow("50 right 50") << 2 << 50 << 50 << 1;
    QTest::newRow("70 right 50") << 2 << 50 << 70 << 1;
    QTest::newRow("30 right 26") << 2 << 26 << 30 << 1;
    QTest::newRow("20 right 26") << 2 << 26 << 20 << 6;
    QTest::newRow("70 mode 3") << 3 << 50 << 70 << 0;
    QTest::newRow("70 mode 0") << 0 << 50 << 70 << 0;
    QTest::newRow("70 mode 7") << 7 << 26 << 70 << 0;
}

void TestEvaluation::documentedCases()
{
    QFETCH(int, mode);
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(int, expectedBlanks);

    TestSession t;
    t.state.AusrichtungsModus = qint16(mode);
    t.state.Zeilenbreite = qint16(width);
    t.window.lines[1] = sample(length);

    evaluate(t.session);

    QCOMPARE(t.state.MsgZeilen[2], blanks(expectedBlanks) + sample(length));
    QCOMPARE(int(leadingBlanks(qint16(mode), qint16(width), length)), expectedBlanks);
}

void TestEvaluation::warnings_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<QStringList>("expected");

    const QList<int> fitting{10, 10, 10, 10};
    QTest::newRow("none") << 1 << 50 << fitting << QStringList{};
    QTest::newRow("line 3 by 3") << 1 << 50 << QList<int>{10, 10, 53, 10}
                                 << QStringList{
                                        QStringLiteral("Die  3. Zeile ist  3 Zeichen zu lang.")};
    QTest::newRow("lines 1 and 4")
        << 1 << 50 << QList<int>{51, 10, 50, 60}
        << QStringList{QStringLiteral("Die  1. Zeile ist  1 Zeichen zu lang."),
                       QStringLiteral("Die  4. Zeile ist  10 Zeichen zu lang.")};
    QTest::newRow("exactly the width") << 1 << 50 << QList<int>{50, 50, 50, 50} << QStringList{};
    QTest::newRow("width 38 by 1")
        << 1 << 38 << QList<int>{38, 39, 0, 0}
        << QStringList{QStringLiteral("Die  2. Zeile ist  1 Zeichen zu lang.")};
    QTest::newRow("width 26 limit 38")
        << 1 << 26 << QList<int>{27, 38, 40, 26}
        << QStringList{QStringLiteral("Die  3. Zeile ist  2 Zeichen zu lang.")};
    QTest::newRow("three digit excess")
        << 1 << 50 << QList<int>{0, 0, 0, 1050}
        << QStringList{QStringLiteral("Die  4. Zeile ist  1000 Zeichen zu lang.")};
    QTest::newRow("odd width 41") << 1 << 41 << QList<int>{42, 41, 0, 0}
                                  << QStringList{
                                         QStringLiteral("Die  1. Zeile ist  1 Zeichen zu lang.")};
    const QList<int> tooLong{70, 70, 70, 70};
    QTest::newRow("right never") << 2 << 50 << tooLong << QStringList{};
    QTest::newRow("right at 26 never") << 2 << 26 << tooLong << QStringList{};
    QTest::newRow("left never") << 3 << 50 << tooLong << QStringList{};
    QTest::newRow("mode 0 never") << 0 << 50 << tooLong << QStringList{};
    QTest::newRow("mode 7 never") << 7 << 38 << tooLong << QStringList{};
    QTest::newRow("mode -1 never") << -1 << 26 << tooLong << QStringList{};
}

void TestEvaluation::warnings()
{
    QFETCH(int, mode);
    QFETCH(int, width);
    QFETCH(QList<int>, lengths);
    QFETCH(QStringList, expected);

    TestSession t;
    t.state.AusrichtungsModus = qint16(mode);
    t.state.Zeilenbreite = qint16(width);
    for (int i = 0; i < 4; ++i)
        t.window.lines[i] = sample(lengths[i]);

    evaluate(t.session);

    QStringList texts;
    for (const auto &message : t.dialogs.messages) {
        QCOMPARE(message.title, kWarningTitle);
        texts << message.text;
    }
    QCOMPARE(texts, expected);
    // A warning never stops the evaluation: every line is laid out whole.
    for (int i = 0; i < 4; ++i)
        QVERIFY(t.state.MsgZeilen[i + 1].endsWith(t.window.lines[i]));
}

void TestEvaluation::outputEmptyAndStoreOldWhileWarning()
{
    TestSession t;
    evaluate(t.session);
    const Lines previous = t.state.MsgZeilen;
    const QString previousOutput = t.window.ausgabe;
    QVERIFY(!previousOutput.isEmpty());

    t.window.lines[0] = sample(60);
    t.window.lines[3] = sample(55);
    ObservingDialogs observer(t.window, t.state);
    Session session{t.state, t.window, observer, t.session.locale};
    evaluate(session);

    QCOMPARE(observer.texts,
             (QStringList{QStringLiteral("Die  1. Zeile ist  10 Zeichen zu lang."),
                          QStringLiteral("Die  4. Zeile ist  5 Zeichen zu lang.")}));
    QCOMPARE(observer.outputsSeen, (QStringList{QString(), QString()}));
    QCOMPARE(observer.storesSeen.size(), 2);
    for (const Lines &seen : observer.storesSeen)
        QCOMPARE(seen, previous);
    QCOMPARE(t.state.MsgZeilen[1], blanks(1) + sample(60));
    QVERIFY(t.window.ausgabe != previousOutput);
}

void TestEvaluation::outputJoinedByThreeLineBreaks_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QString>("expected");

    const QStringList empty{QString(), QString(), QString(), QString()};
    QTest::newRow("left, all empty") << 3 << empty << QStringLiteral("\r\n\r\n\r\n");
    QTest::newRow("centred, all empty") << 1 << empty << joined(QStringList(4, blanks(25)));
    QTest::newRow("right, all empty") << 2 << empty << joined(QStringList(4, blanks(50)));
    QTest::newRow("left, some empty")
        << 3 << QStringList{QString(), QStringLiteral("b"), QString(), QString()}
        << QStringLiteral("\r\nb\r\n\r\n");
    QTest::newRow("left, line breaks inside")
        << 3
        << QStringList{QStringLiteral("a\r\n"), QStringLiteral("\nb"), QStringLiteral("c\r"),
                       QStringLiteral("d")}
        << QStringLiteral("a\r\n\r\n\nb\r\nc\r\r\nd");
}

void TestEvaluation::outputJoinedByThreeLineBreaks()
{
    QFETCH(int, mode);
    QFETCH(QStringList, input);
    QFETCH(QString, expected);

    TestSession t;
    t.state.AusrichtungsModus = qint16(mode);
    for (int i = 0; i < 4; ++i)
        t.window.lines[i] = input[i];

    evaluate(t.session);

    QCOMPARE(t.window.ausgabe, expected);
}

void TestEvaluation::entryZeroNeverWritten()
{
    TestSession t;
    t.state.MsgZeilen[0] = QStringLiteral("bleibt");
    evaluate(t.session);
    QCOMPARE(t.state.MsgZeilen[0], QStringLiteral("bleibt"));
    QVERIFY(!t.window.ausgabe.contains(QStringLiteral("bleibt")));

    TestSession fresh;
    evaluate(fresh.session);
    QVERIFY(fresh.state.MsgZeilen[0].isNull());
}

void TestEvaluation::inputLinesUnchanged()
{
    TestSession t;
    t.window.lines = {QStringLiteral("  a"), sample(70), QString(), QStringLiteral("x ")};
    const auto before = t.window.lines;
    evaluate(t.session);
    QCOMPARE(t.window.lines, before);
}

void TestEvaluation::evaluatingTwiceGivesSameOutput()
{
    TestSession t;
    t.window.lines[2] = sample(60);
    evaluate(t.session);
    const QString first = t.window.ausgabe;
    const Lines firstStore = t.state.MsgZeilen;
    evaluate(t.session);
    QCOMPARE(t.window.ausgabe, first);
    QCOMPARE(t.state.MsgZeilen, firstStore);
    QCOMPARE(t.dialogs.messages.size(), 2);
}

void TestEvaluation::refreshingAfterEvaluationChangesNothing()
{
    TestSession t;
    t.state.AusrichtungsModus = 2;
    evaluate(t.session);
    const QString shown = t.window.ausgabe;
    AusgabeAktualisieren(t.session);
    QCOMPARE(t.window.ausgabe, shown);
}

void TestEvaluation::newEvaluationDiscardsCodes()
{
    TestSession t;
    evaluate(t.session);
    const QString plain = t.window.ausgabe;
    const Lines plainStore = t.state.MsgZeilen;

    t.dialogs.answers = {QStringLiteral("2"), QStringLiteral("5")};
    addColour(t.session);
    QVERIFY(t.window.ausgabe.contains(QStringLiteral("\\C[5]")));

    evaluate(t.session);
    QCOMPARE(t.window.ausgabe, plain);
    QCOMPARE(t.state.MsgZeilen, plainStore);
}

void TestEvaluation::textsPassThrough_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("centredBlanks");

    const QString emoji = QString::fromUtf16(u"\U0001F600");
    QTest::newRow("5 emoji are 10 units") << emoji.repeated(5) << 20;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) + QStringLiteral("ab") << 24;
    QTest::newRow("lone low surrogate") << QStringLiteral("a") + QChar(0xDC00) << 24;
    QTest::newRow("NUL inside") << QString::fromUtf16(u"a\0b\0c", 5) << 23;
    QTest::newRow("HTML") << QStringLiteral("<b>Hallo</b>&amp;") << 17;
    QTest::newRow("control codes") << QStringLiteral("\\C[3]Hi\\C[0]\\S[5]\\.\\^$A") << 14;
    QTest::newRow("umlauts") << QStringLiteral("Größe äöü ß") << 20;
}

void TestEvaluation::textsPassThrough()
{
    QFETCH(QString, text);
    QFETCH(int, centredBlanks);

    TestSession t;
    t.window.lines = {text, text, text, text};
    evaluate(t.session);
    const QString line = blanks(centredBlanks) + text;
    QCOMPARE(t.state.MsgZeilen[1], line);
    QCOMPARE(t.window.ausgabe, joined({line, line, line, line}));

    t.state.AusrichtungsModus = 3;
    evaluate(t.session);
    QCOMPARE(t.window.ausgabe, joined({text, text, text, text}));
}

void TestEvaluation::hugeLineStaysWhole_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("expectedBlanks");
    QTest::addColumn<int>("warnings");

    QTest::newRow("centred 50") << 1 << 50 << 1 << 1;
    QTest::newRow("centred 26") << 1 << 26 << 1 << 1;
    QTest::newRow("right 50") << 2 << 50 << 1 << 0;
    QTest::newRow("left") << 3 << 38 << 0 << 0;
}

void TestEvaluation::hugeLineStaysWhole()
{
    QFETCH(int, mode);
    QFETCH(int, width);
    QFETCH(int, expectedBlanks);
    QFETCH(int, warnings);

    constexpr qsizetype kMiB = 1 << 20;
    TestSession t;
    t.state.AusrichtungsModus = qint16(mode);
    t.state.Zeilenbreite = qint16(width);
    const QString huge = sample(kMiB);
    t.window.lines[2] = huge;

    evaluate(t.session);

    QCOMPARE(t.state.MsgZeilen[3].size(), kMiB + expectedBlanks);
    QCOMPARE(t.state.MsgZeilen[3], blanks(expectedBlanks) + huge);
    QCOMPARE(t.dialogs.messages.size(), warnings);
    if (warnings) {
        const int limit = width == 26 ? 38 : width;
        QCOMPARE(t.dialogs.messages[0].text,
                 QStringLiteral("Die  3. Zeile ist  %1 Zeichen zu lang.").arg(kMiB - limit));
    }
    const QStringList shown = t.window.ausgabe.split(QStringLiteral("\r\n"));
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[2], t.state.MsgZeilen[3]);
}

void TestEvaluation::leadingBlanksOfInputKept_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("centred") << 1 << QStringLiteral("   Hallo")
                             << blanks(21) + QStringLiteral("   Hallo");
    QTest::newRow("right") << 2 << QStringLiteral("  x") << blanks(47) + QStringLiteral("  x");
    QTest::newRow("left") << 3 << QStringLiteral("  x ") << QStringLiteral("  x ");
    QTest::newRow("only blanks") << 1 << blanks(10) << blanks(20 + 10);
}

void TestEvaluation::leadingBlanksOfInputKept()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    TestSession t;
    t.state.AusrichtungsModus = qint16(mode);
    t.window.lines[0] = text;
    evaluate(t.session);
    QCOMPARE(t.state.MsgZeilen[1], expected);
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
