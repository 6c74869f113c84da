#include "codes/numeric_answer.h"
#include "test_session.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFails = 99999; // no 16-bit number

int orFails(std::optional<qint16> number)
{
    return number ? *number : kFails;
}

} // namespace

class TestNumericAnswer : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
};

void TestNumericAnswer::reads_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("expected");

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    // Written with the German decimal comma; each row is also read as English with a point.
    // 32767,5 goes to its even neighbour 32768, which is out of range.
    const std::pair<QString, int> both[] = {
        {u" \t-3 \t"_s, -3},    {u"2,5"_s, 2},           {u"3,5"_s, 4},
        {u"-2,5"_s, -2},        {u"-3,5"_s, -4},         {u"32767,4"_s, 32767},
        {u"32767,5"_s, kFails}, {u"-32768,5"_s, -32768}, {u"-32768,6"_s, kFails},
        {u"1e3"_s, 1000},       {u""_s, kFails},         {u"abc"_s, kFails},
        {u"inf"_s, kFails},     {u"nan"_s, kFails},
    };
    for (const auto &[text, expected] : both) {
        QTest::addRow("de '%s'", qPrintable(text)) << german << text << expected;
        const QString point = QString(text).replace(u',', u'.');
        QTest::addRow("en '%s'", qPrintable(point)) << english << point << expected;
    }
    // The other locale's decimal separator groups thousands: Qt takes it before three digits only.
    QTest::newRow("de '1.5'") << german << u"1.5"_s << kFails;
    QTest::newRow("de '1.234,5'") << german << u"1.234,5"_s << 1234;
    QTest::newRow("en '1,234'") << english << u"1,234"_s << 1234;
}

void TestNumericAnswer::reads()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, answer);
    QFETCH(int, expected);

    QCOMPARE(orFails(parseNumericAnswer(answer, locale)), expected);

    // A question reads its answer in the session's locale.
    TestSession t;
    t.session.locale = locale;
    t.dialogs.answers = {answer};
    QCOMPARE(orFails(askNumber(t.session, {}, {}, 0)), expected);
}

QTEST_GUILESS_MAIN(TestNumericAnswer)
#include "tst_numeric_answer.moc"
