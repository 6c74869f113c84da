#include "layout/clearing.h"
#include "layout/evaluation.h"
#include "test_session.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Ints = QList<int>;

// Input of the given length in UTF-16 units. It begins with blanks and holds a CR LF and a
// character outside the BMP (two units), so trimming or counting characters would show.
QString sample(int length)
{
    static const QString pattern = u"  Grüße \U0001F600 Welt\r\n"_s;
    return pattern.repeated(length / pattern.size() + 1).left(length);
}

// Answers no question; notes each warning and whether the output or the store changed before it.
struct WarningLog final : Dialogs {
    explicit WarningLog(const TestSession &session) : t(session) {}
    const TestSession &t;
    const std::array<QString, 5> store = t.state.MsgZeilen;
    QStringList warnings;
    bool tooEarly = false;

    QString ask(const QString &, const QString &, const QString &) override { return {}; }
    void inform(const QString &text, const QString &title) override
    {
        warnings << title + u": "_s + text;
        tooEarly = tooEarly || !t.window.ausgabe.isEmpty() || t.state.MsgZeilen != store;
    }
};

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void clearing();
};

void TestEvaluation::layout_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<Ints>("lengths");
    QTest::addColumn<Ints>("blanks");
    QTest::addColumn<QStringList>("warnings");

    const auto row = [](int mode, int width, Ints lengths, Ints blanks, QStringList warnings = {}) {
        QTest::addRow("mode %d width %d, line 1 %d", mode, width, lengths[0])
            << mode << width << lengths << blanks << warnings;
    };
    const auto tooLong = [](int line, int excess) {
        return u"Zeilenlänge: Die  %1. Zeile ist  %2 Zeichen zu lang."_s.arg(line).arg(excess);
    };
    row(1, 50, {51, 0, 50, 60}, {1, 25, 1, 1}, {tooLong(1, 1), tooLong(4, 10)});
    row(1, 38, {0, 35, 36, 39}, {19, 2, 1, 1}, {tooLong(4, 1)});
    // Width 26 centres lines of 27 and more in 38, and warns only above 38.
    row(1, 26, {20, 0, 25, 26}, {3, 13, 1, 1});
    row(1, 26, {27, 35, 38, 39}, {6, 2, 1, 1}, {tooLong(4, 1)});
    row(1, 26, {0, 0, 1 << 20, 0}, {13, 13, 1, 13}, {tooLong(3, (1 << 20) - 38)});
    row(2, 50, {0, 30, 50, 70}, {50, 20, 1, 1});
    row(2, 26, {30, 20, 26, 0}, {1, 6, 1, 26});
    row(3, 50, {0, 70, 51, 10}, {0, 0, 0, 0});
    row(0, 26, {39, 0, 10, 0}, {0, 0, 0, 0});
}

void TestEvaluation::layout()
{
    QFETCH(int, mode);
    QFETCH(int, width);
    QFETCH(Ints, lengths);
    QFETCH(Ints, blanks);
    QFETCH(QStringList, warnings);

    TestSession t;
    t.state.AusrichtungsModus = qint16(mode);
    t.state.Zeilenbreite = qint16(width);
    t.state.MsgZeilen = {u"null"_s, u"\\C[3]alt\\C[0]"_s, u"alt"_s, QString(), u"alt\\^"_s};
    t.window.ausgabe = u"alt"_s;
    std::array<QString, 5> expected{u"null"_s};
    for (int i = 0; i < 4; ++i) {
        t.window.lines[i] = sample(lengths[i]);
        expected[i + 1] = QString(blanks[i], u' ') + t.window.lines[i];
    }
    const auto input = t.window.lines;
    WarningLog log(t);
    Session session{t.state, t.window, log, t.session.locale};

    evaluate(session);

    QCOMPARE(log.warnings, warnings);
    QVERIFY(!log.tooEarly);
    QCOMPARE(t.state.MsgZeilen, expected);
    QCOMPARE(t.window.ausgabe, QStringList(expected.begin() + 1, expected.end()).join(u"\r\n"));
    QCOMPARE(t.window.lines, input);
}

void TestEvaluation::clearing()
{
    TestSession t;
    clearLine(t.window, 1);
    QCOMPARE(t.window.lines, (std::array{u"Zeile 1"_s, QString(), u"Zeile 3"_s, u"Zeile 4"_s}));
    clearAllLines(t.window);
    QCOMPARE(t.window.lines, (std::array<QString, 4>()));
    QCOMPARE(t.window.ausgabeWrites, 0);
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
