#include "text_split/text_split.h"

#include <QTest>

namespace {

// Each message as its lines joined by "/".
QStringList describe(const TextSplit &split)
{
    QStringList messages;
    for (const SplitMessage &message : split.messages)
        messages << message.lines.join(u'/');
    return messages;
}

const QString kPair = QStringLiteral("😀");

} // namespace

// A whole text laid into messages that fit the window, without any window.
class TestTextSplit : public QObject {
    Q_OBJECT

private slots:
    // The longest line for each line width and alignment: a line of that length fits the text area
    // once evaluated, and one unit more is cut.
    void limit_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("limit");
        QTest::newRow("centred 50") << 1 << 50 << 49;
        QTest::newRow("right 50") << 2 << 50 << 49;
        QTest::newRow("left 50") << 3 << 50 << 50;
        QTest::newRow("mode 7 at 50") << 7 << 50 << 50;
        QTest::newRow("centred 26") << 1 << 26 << 37;
        QTest::newRow("right 38") << 2 << 38 << 37;
        QTest::newRow("left 38") << 3 << 38 << 38;
        QTest::newRow("mode 7 at 26") << 7 << 26 << 38;
    }
    void limit()
    {
        QFETCH(int, alignment);
        QFETCH(int, width);
        QFETCH(int, limit);
        QCOMPARE(splitLimit(qint16(alignment), qint16(width)), limit);
        const QString full(limit, u'x');
        QCOMPARE(describe(splitText(full + "y", limit, 1)), QStringList{full + "/y"});
    }

    // How words go into lines and lines into messages: a row's text at its limit, and the
    // messages laid out (lines joined by "/").
    void split_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("messages");

        // Lines.
        QTest::newRow("exactly at the limit") << "aaaa bbbb" << 9 << QStringList{"aaaa bbbb"};
        QTest::newRow("one unit over") << "aaaa bbbbb" << 9 << QStringList{"aaaa/bbbbb"};
        QTest::newRow("balanced, not greedy")
            << "aaaa bb cc dddd" << 10 << QStringList{"aaaa bb/cc dddd"};
        QTest::newRow("tie to the longer first line") << "aa bb cc" << 5 << QStringList{"aa bb/cc"};
        QTest::newRow("last line counts too")
            << "aaa bb cc dd e" << 8 << QStringList{"aaa bb/cc dd e"};
        QTest::newRow("prose at 49")
            << "Der alte Wächter am Tor hebt langsam seine Laterne" << 49
            << QStringList{"Der alte Wächter am Tor/hebt langsam seine Laterne"};
        QTest::newRow("runs, leading and trailing blanks")
            << "   aa    bb  \n  cc   " << 10 << QStringList{"aa bb/cc"};
        QTest::newRow("blanks at a break") << "aaaa     bbbb" << 6 << QStringList{"aaaa/bbbb"};
        QTest::newRow("tabs and no-break spaces are no blanks")
            << "a\tb\u00a0c d" << 5 << QStringList{"a\tb\u00a0c/d"};
        QTest::newRow("each text line starts a line")
            << "aa\nbb\r\ncc\rdd" << 10 << QStringList{"aa/bb/cc/dd"};

        // Paragraphs.
        QTest::newRow("empty line between") << "aa\n\nbb" << 10 << QStringList{"aa", "bb"};
        QTest::newRow("blank line between") << "aa\r\n   \r\nbb" << 10 << QStringList{"aa", "bb"};
        QTest::newRow("CR CR is an empty line") << "aa\r\rbb" << 10 << QStringList{"aa", "bb"};
        QTest::newRow("many empty lines") << "\n\naa\n\n\n \nbb\n\n"
                                          << 10 << QStringList{"aa", "bb"};
        QTest::newRow("a line of a tab is no blank line")
            << "aa\n\t\nbb" << 10 << QStringList{"aa/\t/bb"};
        // 1 to 9 lines go into the fewest messages, as even as can be, the first ones taking the
        // extra line.
        const QStringList spread{
            "a",           "a/b",           "a/b/c",           "a/b/c/d",          "a/b/c|d/e",
            "a/b/c|d/e/f", "a/b/c/d|e/f/g", "a/b/c/d|e/f/g/h", "a/b/c|d/e/f|g/h/i"};
        for (int lines = 1; lines <= 9; ++lines)
            QTest::addRow("%d lines", lines)
                << QString("a\nb\nc\nd\ne\nf\ng\nh\ni").first(2 * lines - 1) << 10
                << spread[lines - 1].split('|');
        QTest::newRow("paragraphs share no message")
            << "a\nb\nc\n\nd" << 10 << QStringList{"a/b/c", "d"};

        // Words longer than the limit, at the limits of the four line widths.
        const QString x48(48, u'x');
        QTest::newRow("long word at 49")
            << QString(100, u'x') << 49
            << QStringList{QString(49, u'x') + "/" + QString(49, u'x') + "/xx"};
        QTest::newRow("glyph code at the cut, 49")
            << x48 + "$Ayy zz" << 49 << QStringList{x48 + "/$Ayy zz"};
        QTest::newRow("dollar before no letter is cut, 49")
            << x48 + "$1y" << 49 << QStringList{x48 + "$/1y"};
        QTest::newRow("colour code at the cut, 37")
            << QString(34, u'x') + R"(\C[12]y)" << 37
            << QStringList{QString(34, u'x') + R"(/\C[12]y)"};
        QTest::newRow("code left open is cut after its letter, 37")
            << QString(35, u'x') + R"(\C[1)" << 37 << QStringList{QString(35, u'x') + R"(\C/[1)"};
        QTest::newRow("code without digits is cut after its letter, 37")
            << QString(35, u'x') + R"(\S[])" << 37 << QStringList{QString(35, u'x') + R"(\S/[])"};
        QTest::newRow("backslash pair at the cut, 38")
            << QString(37, u'x') + R"(\\y)" << 38 << QStringList{QString(37, u'x') + R"(/\\y)"};
        QTest::newRow("pair of units at the cut, 50")
            << QString(49, u'x') + kPair + "y" << 50
            << QStringList{QString(49, u'x') + "/" + kPair + "y"};
        QTest::newRow("backslash and a pair at the cut, 50")
            << QString(48, u'x') + "\\" + kPair << 50
            << QStringList{QString(48, u'x') + "/\\" + kPair};
        QTest::newRow("code longer than a line")
            << R"(\S[)" + QString(50, u'1') + "]" << 49
            << QStringList{R"(\S[)" + QString(46, u'1') + "/1111]"};
        QTest::newRow("no limit below the longest unit")
            << "\\" + kPair + "x" << 1 << QStringList{"\\" + kPair + "/x"};
        QTest::newRow("pieces placed like words")
            << "a " + QString(12, u'x') + " b" << 10
            << QStringList{"a/" + QString(10, u'x') + "/xx b"};
        QTest::newRow("a word shares a line with a piece")
            << R"(a xxxxxx\C[12]yy)" << 10 << QStringList{R"(a xxxxxx/\C[12]yy)"};
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

    // Where the next message starts in the text: the rest of the text after taking one, as typed.
    void rest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rest"); // from the second message on; empty when there is none
        QTest::newRow("next paragraph") << "Erste  Zeile\r\nzweite\r\n \r\n\r\n  Dritte  Zeile \r\n"
                                        << "Dritte  Zeile \r\n";
        QTest::newRow("inside a text line") << "aa bb cc dd ee ff gg hh  ii\njj"
                                            << "gg hh  ii\njj";
        QTest::newRow("at a text line") << "aa\nbb\ncc\n\t ee\nff"
                                        << "\t ee\nff";
        QTest::newRow("one message") << "aa bb\n\n\n"
                                     << "";
        QTest::newRow("none") << " \r\n \n"
                              << "";
    }
    void rest()
    {
        QFETCH(QString, text);
        QFETCH(QString, rest);
        const TextSplit split = splitText(text, 5, 2);
        QCOMPARE(split.messages.size() > 1 ? text.mid(split.messages[1].start) : QString(), rest);
    }

    // Every character but the blanks and line ends stands in exactly one line, in its order, and
    // every line keeps the limit; only the messages asked for are laid out, all are counted.
    void nothingLost_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<qsizetype>("count");
        QTest::newRow("1 MiB without a blank")
            << QString(1 << 20, u'x') << 49 << qsizetype((1048576 + 48) / 49 + 3) / 4;
        QTest::newRow("1 MiB of blanks and line breaks")
            << QString(" \n  \r\n").repeated((1 << 20) / 6) << 49 << qsizetype(0);
        QTest::newRow("100000 paragraphs")
            << QString("Wort\n\n").repeated(100000) << 37 << qsizetype(100000);
        QTest::newRow("lone surrogates and control characters")
            << QString("%1%2 \x01\x1b %3 \x7f")
                   .arg(QChar(0xdc00), QChar(0xd800), kPair)
                   .repeated(30)
            << 37 << qsizetype(3);
    }
    void nothingLost()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(qsizetype, count);
        const qsizetype wanted = std::min<qsizetype>(count, 50);
        const TextSplit split = splitText(text, limit, wanted);
        QCOMPARE(split.messageCount, count);
        QCOMPARE(split.messages.size(), wanted);
        QString kept;
        for (const SplitMessage &message : split.messages) {
            QVERIFY(message.lines.size() >= 1 && message.lines.size() <= 4);
            for (const QString &line : message.lines) {
                QVERIFY(line.size() <= limit);
                QVERIFY(!line.startsWith(u' ') && !line.endsWith(u' ') && !line.contains("  "));
                kept += line;
            }
        }
        kept.remove(u' ');
        QString written = text;
        written.remove(u' ').remove(u'\r').remove(u'\n');
        QCOMPARE(kept, wanted == count ? written : written.left(kept.size()));
    }
};

QTEST_APPLESS_MAIN(TestTextSplit)
#include "tst_text_split.moc"
