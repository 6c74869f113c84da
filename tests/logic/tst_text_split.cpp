#include "text_split/text_split.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <functional>
#include <limits>

namespace {

// Each message as its lines joined by "/", and "~" after one that ends inside a sentence.
QStringList describe(const TextSplit &split)
{
    QStringList messages;
    for (const SplitMessage &message : split.messages)
        messages << message.lines.join(u'/') + (message.endsMidSentence ? "~" : "");
    return messages;
}

const QString kPair = QStringLiteral("😀");

} // namespace

// A whole text laid into messages that fit the window, without any window.
class TestTextSplit : public QObject {
    Q_OBJECT

private slots:
    // The longest line for each line width and alignment: a line of that length fits the text area
    // once evaluated. How a longer one is cut, the split's rows show.
    void limit_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("limit");
        QTest::newRow("left 50") << 3 << 50 << 50;
        QTest::newRow("centred 26") << 1 << 26 << 37;
        QTest::newRow("right 38") << 2 << 38 << 37;
        QTest::newRow("mode 7 at 26") << 7 << 26 << 38;
    }
    void limit()
    {
        QFETCH(int, alignment);
        QFETCH(int, width);
        QFETCH(int, limit);
        QCOMPARE(splitLimit(qint16(alignment), qint16(width)), limit);
    }

    // How words go into lines and lines into messages: a row's text at its limit, and the
    // messages laid out (lines joined by "/").
    void split_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("messages");

        // Messages are parted by "|".
        const auto row = [](const char *name, const QString &text, int limit,
                            const QString &split) {
            QTest::newRow(name) << text << limit << split.split(u'|');
        };
        // Lines.
        row("tie to the longer first line", "aa bb cc", 5, "aa bb/cc");
        row("runs, leading and trailing blanks", "   aa    bb  \n  cc   ", 10, "aa bb/cc");
        row("tabs and no-break spaces are no blanks", "a\tb\u00a0c d", 5, "a\tb\u00a0c/d");
        row("each text line starts a line", "aa\nbb\r\ncc\rdd", 10, "aa/bb/cc/dd");

        // Paragraphs.
        row("blank line between", "aa\r\n   \r\nbb", 10, "aa|bb");
        row("many empty lines", "\n\naa\n\n\n \nbb\n\n", 10, "aa|bb");
        row("a line of a tab is no blank line", "aa\n\t\nbb", 10, "aa/\t/bb");
        // The fewest messages, as even as can be, the first ones taking the extra line.
        row("5 lines", "a\nb\nc\nd\ne", 10, "a/b/c|d/e");
        row("paragraphs share no message", "a\nb\nc\n\nd", 10, "a/b/c|d");

        // Message ends: after a sentence, a text line, then a clause, before the even spread; a
        // message that ends inside a sentence is marked "~".
        row("a sentence end over the even spread", "aa. bb cc dd ee", 3, "aa.|bb/cc/dd/ee");
        row("a clause end when no sentence end can be reached", "aa b— cc dd ee", 3,
            "aa/b—|cc/dd/ee");
        row("a sentence end over a clause end", "aa… bb, cc dd ee", 3, "aa…|bb,/cc/dd/ee");
        row("a text line's end counts as clean", "aa\nbb cc dd ee", 3, "aa|bb/cc/dd/ee");
        row("closing quotation marks looked through", "aaaa „Komm!“ bbbb cccc dddd", 7,
            "aaaa/„Komm!“|bbbb/cccc/dddd");
        row("closing brackets looked through", "aaaa (gut.) bbbb cccc dddd", 7,
            "aaaa/(gut.)|bbbb/cccc/dddd");
        row("an extra line for a clean end", "aa bb cc e. f gg", 4, "aa/bb/cc/e.|f gg");
        row("never an extra message for a clean end", "aa b. cc dd ee f. gg hh", 3,
            "aa/b./cc/dd~|ee/f./gg/hh");
        row("every end rough: the even spread", "aa bb cc dd ee", 3, "aa/bb/cc~|dd/ee");

        // Words longer than the limit, at the limits of the four line widths.
        const QString x35(35, u'x'), x48(48, u'x'), x49(49, u'x');
        row("long word at 49", QString(100, u'x'), 49, x49 + "/" + x49 + "/xx");
        row("glyph code at the cut, 49", x48 + "$Ayy zz", 49, x48 + "/$Ayy zz");
        row("code left open is cut after its letter, 37", x35 + R"(\C[1)", 37, x35 + R"(\C/[1)");
        row("code without digits is cut after its letter, 37", x35 + R"(\S[])", 37,
            x35 + R"(\S/[])");
        row("pair of units at the cut, 50", x49 + kPair + "y", 50, x49 + "/" + kPair + "y");
        row("backslash and a pair at the cut, 50", x48 + "\\" + kPair, 50, x48 + "/\\" + kPair);
        row("no limit below the longest unit", "\\" + kPair + "x", 1, "\\" + kPair + "/x");
        row("pieces placed like words", "a " + QString(12, u'x') + " b", 10,
            "a/" + QString(10, u'x') + "/xx b");
        // Codes of every length around every limit: one that fits a line stands whole in one, a
        // longer one is cut like its characters, and the split ends.
        for (int limit = 1; limit <= 60; ++limit) {
            const int fits = std::max(limit, 3);
            for (int length = std::max(fits - 2, 5); length <= fits + 2; ++length) {
                const QString code = R"(\C[)" + QString(length - 4, u'1') + "]", word = "x" + code;
                row(qPrintable(QString("code of %1 at %2").arg(length).arg(limit)), word, limit,
                    word.size() <= fits ? word
                    : length <= fits    ? "x/" + code
                                        : word.first(fits) + "/" + word.sliced(fits));
            }
        }
    }
    void split()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QStringList, messages);
        const TextSplit split = splitText(text, limit, 100);
        QCOMPARE(describe(split), messages);
        QCOMPARE(split.messageCount, messages.size());
    }

    // Small random paragraphs split as the best of every way to break them into lines and group
    // the lines into messages, tried longer lines first and going on before ending a message, so
    // that on a tie the first one found wins.
    void bestOfEveryBreaking()
    {
        // Words, and how a message that ends after one ends: clean, fair or rough.
        const QStringList words{"a", "bb", "cc,", "d.", "„e!“", "ff;", "(g.)", "hhh", "i—", "j…"};
        const QString endings = "rrfccfcrfc";
        QRandomGenerator random(1);
        for (int round = 0; round < 1000; ++round) {
            const int limit = random.bounded(4, 8);
            QStringList chosen;
            QString text, ending; // 'n' where a text line ends
            for (int i = random.bounded(1, 10); i > 0; --i) {
                const int word = random.bounded(words.size());
                const bool lineEnds = i > 1 && random.bounded(5) == 0;
                chosen << words[word];
                text += words[word] + (lineEnds ? "\n" : " ");
                ending += lineEnds ? 'n' : endings[word];
            }
            // Messages, rough ends, fair ends, lines, squared message sizes, squared free cells.
            using Cost = std::array<qint64, 6>;
            Cost least{std::numeric_limits<qint64>::max()};
            QString expected;
            const std::function<void(qsizetype, qint64, Cost, QString)> place =
                [&](qsizetype first, qint64 held, Cost cost, const QString &made) {
                    if (first == chosen.size() && cost < least) {
                        least = cost;
                        expected = made.chopped(1);
                    }
                    for (qsizetype next = chosen.size(); next > first; --next) {
                        const QString line = chosen.sliced(first, next - first).join(u' ');
                        if (line.size() > limit ||
                            ending.sliced(first, next - first - 1).contains('n'))
                            continue;
                        Cost after = cost;
                        after[3] += 1;
                        after[5] += (limit - line.size()) * (limit - line.size());
                        if (held < 3 && next < chosen.size())
                            place(next, held + 1, after, made + line + "/");
                        const QChar end = next < chosen.size() ? ending[next - 1] : QChar('c');
                        after[0] += 1;
                        after[1] += end == 'r';
                        after[2] += end == 'f';
                        after[4] += (held + 1) * (held + 1);
                        place(next, 0, after, made + line + (end == 'r' ? "~|" : "|"));
                    }
                };
            place(0, 0, {}, {});
            const TextSplit split = splitText(text, limit, 10);
            QCOMPARE(describe(split), expected.split(u'|'));
        }
    }
};

QTEST_APPLESS_MAIN(TestTextSplit)
#include "tst_text_split.moc"
