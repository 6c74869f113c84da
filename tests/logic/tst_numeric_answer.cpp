#include "codes/numeric_answer.h"
#include "test_session.h"

#include <QTest>

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// Puts the English decimal point where the German text has its comma.
QString inEnglish(QString germanText)
{
    return germanText.replace(u',', u'.');
}

} // namespace

class TestNumericAnswer : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void askNumberOffersPlainDecimalDefault_data();
    void askNumberOffersPlainDecimalDefault();
    void askNumberReadsInSessionLocale_data();
    void askNumberReadsInSessionLocale();
};

void TestNumericAnswer::parses_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");

    struct Row {
        const char16_t *german; // written with the German decimal comma
        bool ok;
        int expected;
    };
    // Answers that mean the same in both locales once the decimal separator is swapped.
    const Row both[] = {
        {u"1", true, 1},           {u" 7 ", true, 7},
        {u"\t7\t", true, 7},       {u" \t-3 \t", true, -3},
        {u"0", true, 0},           {u"+5", true, 5},
        {u"2,5", true, 2},         {u"3,5", true, 4},
        {u"-2,5", true, -2},       {u"-3,5", true, -4},
        {u"0,5", true, 0},         {u"-0,5", true, 0},
        {u"1,5", true, 2},         {u"2,4", true, 2},
        {u"2,6", true, 3},         {u"32767", true, 32767},
        {u"32767,4", true, 32767}, {u"32767,5", false, 0}, // the even neighbour is 32768
        {u"-32768", true, -32768}, {u"-32768,5", true, -32768},
        {u"-32768,6", false, 0},   {u"32768", false, 0},
        {u"-32769", false, 0},     {u"65536", false, 0},
        {u"", false, 0},           {u"   ", false, 0},
        {u"\t", false, 0},         {u"abc", false, 0},
        {u"1a", false, 0},         {u"1 2", false, 0},
        {u"inf", false, 0},        {u"-inf", false, 0},
        {u"nan", false, 0},        {u"1e3", true, 1000},
        {u"1E3", true, 1000},      {u"2,5e1", true, 25},
        {u"1e-1", true, 0},        {u"1e10", false, 0},
        {u"-1e10", false, 0},      {u"1e400", false, 0},
    };
    for (const Row &row : both) {
        const QString german = QString::fromUtf16(row.german);
        QTest::addRow("de \"%s\"", qPrintable(german))
            << kGerman << german << row.ok << row.expected;
        const QString english = inEnglish(german);
        QTest::addRow("en \"%s\"", qPrintable(english))
            << kEnglish << english << row.ok << row.expected;
    }

    // The other locale's decimal separator is a group separator, accepted only before three digits.
    QTest::newRow("de \"1.5\"") << kGerman << QStringLiteral("1.5") << false << 0;
    QTest::newRow("de \"1.234\"") << kGerman << QStringLiteral("1.234") << true << 1234;
    QTest::newRow("de \"1.234,5\"") << kGerman << QStringLiteral("1.234,5") << true << 1234;
    QTest::newRow("de \"12.345\"") << kGerman << QStringLiteral("12.345") << true << 12345;
    QTest::newRow("de \"32.768\"") << kGerman << QStringLiteral("32.768") << false << 0;
    QTest::newRow("en \"1,5\"") << kEnglish << QStringLiteral("1,5") << false << 0;
    QTest::newRow("en \"1,234\"") << kEnglish << QStringLiteral("1,234") << true << 1234;
    QTest::newRow("en \"1,234.5\"") << kEnglish << QStringLiteral("1,234.5") << true << 1234;
}

void TestNumericAnswer::parses()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, answer);
    QFETCH(bool, ok);
    QFETCH(int, expected);

    const std::optional<qint16> parsed = parseNumericAnswer(answer, locale);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(int(*parsed), expected);
}

void TestNumericAnswer::askNumberOffersPlainDecimalDefault_data()
{
    QTest::addColumn<int>("defaultAnswer");
    QTest::addColumn<QString>("shown");

    QTest::newRow("0") << 0 << QStringLiteral("0");
    QTest::newRow("1") << 1 << QStringLiteral("1");
    QTest::newRow("15") << 15 << QStringLiteral("15");
    QTest::newRow("negative") << -7 << QStringLiteral("-7");
    // A German group separator would turn this into 12.345.
    QTest::newRow("thousands") << 12345 << QStringLiteral("12345");
}

void TestNumericAnswer::askNumberOffersPlainDecimalDefault()
{
    QFETCH(int, defaultAnswer);
    QFETCH(QString, shown);

    TestSession t;
    t.dialogs.answers = {QStringLiteral("4")};
    const auto answer =
        askNumber(t.session, QStringLiteral("Frage?"), QStringLiteral("Titel"), defaultAnswer);

    QCOMPARE(answer, std::optional<qint16>(4));
    QCOMPARE(t.dialogs.questions.size(), 1);
    QCOMPARE(t.dialogs.questions[0].prompt, QStringLiteral("Frage?"));
    QCOMPARE(t.dialogs.questions[0].title, QStringLiteral("Titel"));
    QCOMPARE(t.dialogs.questions[0].defaultAnswer, shown);
    QVERIFY(t.dialogs.messages.isEmpty());
}

void TestNumericAnswer::askNumberReadsInSessionLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");

    QTest::newRow("de comma") << kGerman << QStringList{QStringLiteral("2,5")} << true << 2;
    QTest::newRow("en point") << kEnglish << QStringList{QStringLiteral("3.5")} << true << 4;
    QTest::newRow("en comma") << kEnglish << QStringList{QStringLiteral("2,5")} << false << 0;
    QTest::newRow("cancelled") << kGerman << QStringList{} << false << 0;
    QTest::newRow("emptied") << kGerman << QStringList{QStringLiteral("")} << false << 0;
}

void TestNumericAnswer::askNumberReadsInSessionLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, answers);
    QFETCH(bool, ok);
    QFETCH(int, expected);

    TestSession t;
    t.session.locale = locale;
    t.dialogs.answers = answers;
    const auto answer = askNumber(t.session, QStringLiteral("Frage?"), QStringLiteral("Titel"), 1);

    QCOMPARE(answer.has_value(), ok);
    if (ok)
        QCOMPARE(int(*answer), expected);
    QCOMPARE(t.dialogs.questions.size(), 1);
}

QTEST_GUILESS_MAIN(TestNumericAnswer)
#include "tst_numeric_answer.moc"
