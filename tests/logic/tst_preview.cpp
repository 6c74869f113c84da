#include "game_view/message_preview.h"

#include <QTest>

#include <numeric>

using Frames = QList<qint64>;

namespace {

// A row as text: what its cells show, "{n}" where the colour turns to n, a glyph in "<>", what is
// not interpreted in "«»".
QString describe(const PreviewRow &row)
{
    QString text;
    int colour = 0;
    bool marked = false;
    for (const PreviewSign &sign : row.signs) {
        if (marked && !sign.uninterpreted)
            text += u'»';
        if (sign.colour != colour)
            text += QString("{%1}").arg(sign.colour);
        if (!marked && sign.uninterpreted)
            text += u'«';
        marked = sign.uninterpreted;
        colour = sign.colour;
        const QString shown = row.shown.sliced(sign.column, sign.width);
        text += sign.glyph < 0 ? shown : '<' + shown + '>';
    }
    return marked ? text + u'»' : text;
}

// Every kind of sign and code, and the pen they leave for the next line.
const QString kCodesPastTheCells = R"(\\$A😀\😀\C[3]\S[0]\S[4]y)"
                                   "\r\nz";

const QString kNotInterpreted = "Zeile 1 enthält Codes, die das Spiel nicht auswertet (markiert).";

} // namespace

// The output text as the game's message window shows it and plays it, without any window.
class TestPreview : public QObject {
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<QStringList>("rows"); // described; the window's four, then those below
        QTest::addColumn<QStringList>("notes");

        // The rows the window shows but does not name are empty.
        const auto row = [](const char *name, const QString &text, QStringList rows,
                            const QStringList &notes = {}, int lineWidth = 50) {
            while (rows.size() < 4)
                rows << "";
            QTest::newRow(name) << text << lineWidth << rows << notes;
        };
        row("colour 19 and 20", R"(\C[19]a\C[20]b)", {"{19}a«\\C[20]»b"}, {kNotInterpreted});
        row("speed, delay and close take no cell", R"(\S[20]a\.b\^)", {"ab"});
        row("backslashes", R"(a\\b\\\\)", {R"(a\b\\)"});
        row("code left open", R"(\C[)", {"«\\C[»"}, {kNotInterpreted});
        row("number left open", R"(\C[1 )", {"«\\C[1» "}, {kNotInterpreted});
        row("speed 0", R"(\S[0])", {"«\\S[0]»"}, {kNotInterpreted});
        row("leading zero", R"(\C[05])", {"«\\C[05]»"}, {kNotInterpreted});
        row("no bracket", R"(\Cx)", {"«\\C»x"}, {kNotInterpreted});
        row("other letter", R"(\c[1])", {"«\\c»[1]"}, {kNotInterpreted});
        row("glyphs", "$A$z", {"<🗡><↙\u2060>"});
        row("dollar before no glyph's letter", "$ä$1$", {"$ä$1$"});
        row("lone surrogates", QString("%1a%2").arg(QChar(0xd800), QChar(0xdc00)),
            {"\ufffda\ufffd"});
        row("characters that cannot be shown", "a\tb\x01\u2028\U000F0000",
            {"a\ufffdb\ufffd\ufffd\ufffd\u2060"});
        row("38 at 38", QString(38, u'x'), {QString(38, u'x')}, {}, 38);
        for (const QString sign : {"$A", "😀"}) // a glyph and a pair of units alike
            row(qPrintable(sign + " past the cells laid out at 26"), QString(47, u'x') + sign,
                {QString(47, u'x')}, {"Zeile 1 ist 11 Zeichen zu lang."}, 26);
        row("codes past the cells laid out", QString(60, u'x') + kCodesPastTheCells,
            {QString(60, u'x'), "{3}z"}, {"Zeile 1 ist 24 Zeichen zu lang.", kNotInterpreted});
        row("colour across line ends", "\\C[4]a\r\nb\\C[0]c\nd\re", {"{4}a", "{4}b{0}c", "d", "e"});
        row("backslash at a line end", "a\\\nb", {"a«\\»", "b"}, {kNotInterpreted});
        row("LF CR is two line ends", "a\n\rb", {"a", "", "b"});
        row("CR first below the rows laid out", QString(8, u'\r'), QStringList(7, ""),
            {"Zeilen 5 bis 9 stehen nicht im Fenster."});
        row("100000 lines",
            QString("x\n").repeated(33333) + QString("x\r\n").repeated(33333) +
                QString("x\r").repeated(33333) + "x",
            QStringList(7, "x"), {"Zeilen 5 bis 100000 stehen nicht im Fenster."});
    }
    void rows()
    {
        QFETCH(QString, text);
        QFETCH(int, lineWidth);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, notes);
        const MessagePreview preview = previewMessage(text, qint16(lineWidth));
        QStringList described;
        for (const PreviewRow &row : preview.rows)
            described << describe(row);
        QCOMPARE(described, rows);
        QCOMPARE(previewNotes(preview), notes);
    }

    // Frames of the window's signs, on a virtual clock at 60 frames a second.
    void playback_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<qint64>("end");
        QTest::addColumn<PlaybackStep>("then");

        const auto waits = PlaybackStep::WaitingForKey;
        QTest::newRow("speed from its place on")
            << R"(a\S[5]bc)" << Frames{0, 1, 6} << 11LL << waits;
        QTest::newRow("speed across lines") << "\\S[20]a\r\nb" << Frames{0, 20} << 40LL << waits;
        QTest::newRow("delay") << R"(a\.b)" << Frames{0, 16} << 17LL << waits;
        QTest::newRow("glyph and pair, a step each") << "$A😀" << Frames{0, 1} << 2LL << waits;
        Frames laidOut(60);
        std::iota(laidOut.begin(), laidOut.end(), 0);
        QTest::newRow("cells past those laid out")
            << QString(70, u'x') + "\r\ny" << laidOut + Frames{70} << 71LL << waits;
        QTest::newRow("codes past the cells laid out")
            << QString(60, u'x') + kCodesPastTheCells << laidOut + Frames{74} << 78LL << waits;
        QTest::newRow("closes") << "\r\n\r\n\r\nx\\.\\^" << Frames{0} << 16LL
                                << PlaybackStep::Closed;
        QTest::newRow("below the window") << "\r\n\r\n\r\n\r\n\\^x" << Frames{} << 0LL << waits;
    }
    void playback()
    {
        QFETCH(QString, text);
        QFETCH(Frames, frames);
        QFETCH(qint64, end);
        QFETCH(PlaybackStep, then);
        const MessagePreview preview = previewMessage(text, 50);
        Frames shown;
        for (int row = 0; row < kWindowRows; ++row)
            for (const PreviewSign &sign : preview.rows.at(row).signs)
                shown << sign.frame;
        QCOMPARE(shown, frames);
        if (end > 0)
            QCOMPARE(playbackStepAt(preview, end - 1), PlaybackStep::Writing);
        QCOMPARE(playbackStepAt(preview, end), then);
    }
};

QTEST_APPLESS_MAIN(TestPreview)
#include "tst_preview.moc"
