#include "layout/clearing.h"
#include "layout/evaluation.h"
#include "test_session.h"

#include <QTest>

namespace {

constexpr int kAll = -1;

} // namespace

class TestClearing : public QObject {
    Q_OBJECT

private slots:
    void clears_data();
    void clears();
    void clearingAllThenEvaluatingGivesEmptyLines();
};

void TestClearing::clears_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    const QStringList filled{QStringLiteral("eins"), QStringLiteral("  zwei"),
                             QStringLiteral("drei\r\n"), QStringLiteral("vier")};
    QTest::newRow("line 1") << 0 << filled
                            << QStringList{QString(), filled[1], filled[2], filled[3]};
    QTest::newRow("line 2") << 1 << filled
                            << QStringList{filled[0], QString(), filled[2], filled[3]};
    QTest::newRow("line 3") << 2 << filled
                            << QStringList{filled[0], filled[1], QString(), filled[3]};
    QTest::newRow("line 4") << 3 << filled
                            << QStringList{filled[0], filled[1], filled[2], QString()};
    QTest::newRow("all") << kAll << filled << QStringList(4, QString());
    QTest::newRow("already empty") << 1 << QStringList{filled[0], QString(), filled[2], filled[3]}
                                   << QStringList{filled[0], QString(), filled[2], filled[3]};
    QTest::newRow("all already empty")
        << kAll << QStringList(4, QString()) << QStringList(4, QString());
}

void TestClearing::clears()
{
    QFETCH(int, index);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    TestSession t;
    t.state.MsgZeilen = {QStringLiteral("null"), QStringLiteral("a"), QStringLiteral("b"),
                         QStringLiteral("c"), QStringLiteral("d")};
    t.state.AusrichtungsModus = 2;
    t.state.Zeilenbreite = 38;
    t.window.ausgabe = QStringLiteral("a\r\nb\r\nc\r\nd");
    for (int i = 0; i < 4; ++i)
        t.window.lines[i] = before[i];
    const auto stateBefore = t.state.MsgZeilen;

    if (index == kAll)
        clearAllLines(t.window);
    else
        clearLine(t.window, index);

    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.window.lines[i], after[i]);
    QCOMPARE(t.state.MsgZeilen, stateBefore);
    QCOMPARE(t.state.AusrichtungsModus, qint16(2));
    QCOMPARE(t.state.Zeilenbreite, qint16(38));
    QCOMPARE(t.window.ausgabe, QStringLiteral("a\r\nb\r\nc\r\nd"));
    QCOMPARE(t.window.ausgabeWrites, 0);
    QVERIFY(t.dialogs.questions.isEmpty());
    QVERIFY(t.dialogs.messages.isEmpty());
}

void TestClearing::clearingAllThenEvaluatingGivesEmptyLines()
{
    TestSession t;
    evaluate(t.session);
    const QString shown = t.window.ausgabe;

    clearAllLines(t.window);
    QCOMPARE(t.window.ausgabe, shown);

    evaluate(t.session);
    const QString line(25, u' ');
    QCOMPARE(t.window.ausgabe, QStringList(4, line).join(QStringLiteral("\r\n")));
}

QTEST_GUILESS_MAIN(TestClearing)
#include "tst_clearing.moc"
