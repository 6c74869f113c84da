#include "text_split/text_split.h"

#include "state/message_text.h"
#include "state/module1.h"
#include "symbols/symbol_catalogue.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

// A word of a text line, or a piece of a long one.
struct Piece {
    qsizetype start = 0;
    qsizetype length = 0;
};

struct Line {
    QString text;
    qsizetype start = 0;
};

// Where the text line that starts at `start` ends.
qsizetype lineEnd(QStringView text, qsizetype start)
{
    while (start < text.size() && !isLineBreak(text[start]))
        ++start;
    return start;
}

// Where the next text line starts, after the line break at `end`.
qsizetype nextLine(QStringView text, qsizetype end)
{
    return end + (isCrLf(text.sliced(end)) ? 2 : 1);
}

// The longest unit below that is not a code with digits: a backslash and a character of two units.
constexpr int kLongestUnit = 3;

// How long the unit at the start of a word is that a cut must not split: a glyph code, a control
// code, a character of two units. A code longer than a line gives way to its characters, so that
// every unit fits a line (the limit is never below the longest unit).
qsizetype unitLength(QStringView word, int limit)
{
    qsizetype length = isSurrogatePair(word) ? 2 : 1;
    if (symbolIndexOfCode(word.left(2))) {
        length = 2;
    } else if (word[0] == u'\\' && word.size() > 1) {
        length = isSurrogatePair(word.sliced(1)) ? 3 : 2;
        if ((word[1] == u'C' || word[1] == u'S') && word.size() > 2 && word[2] == u'[') {
            qsizetype end = 3;
            while (end < word.size() && end + 1 < limit && isDigit(word[end]))
                ++end;
            if (end > 3 && end < word.size() && word[end] == u']')
                length = end + 1;
        }
    }
    return length;
}

// Calls `take` with each word of a text line, in order; a word longer than the limit is cut, from
// its start, into pieces that each take as much of it as fits.
template <typename Take> void forEachPiece(QStringView line, int limit, Take take)
{
    qsizetype i = 0;
    for (;;) {
        while (i < line.size() && line[i] == u' ')
            ++i;
        if (i == line.size())
            return;
        qsizetype end = i;
        while (end < line.size() && line[end] != u' ')
            ++end;
        while (end - i > limit) {
            // The first unit is always taken, so that every cut moves on.
            qsizetype cut = i + unitLength(line.sliced(i, end - i), limit);
            for (;;) {
                const qsizetype unit = unitLength(line.sliced(cut, end - cut), limit);
                if (cut + unit - i > limit)
                    break;
                cut += unit;
            }
            take(Piece{i, cut - i});
            i = cut;
        }
        take(Piece{i, end - i});
        i = end;
    }
}

// The fewest lines a text line takes: filling each line as far as it goes needs no more.
qsizetype lineCount(QStringView line, int limit)
{
    qsizetype lines = 0;
    qsizetype used = 0;
    forEachPiece(line, limit, [&](Piece piece) {
        if (lines > 0 && used + 1 + piece.length <= limit) {
            used += 1 + piece.length;
        } else {
            ++lines;
            used = piece.length;
        }
    });
    return lines;
}

// Breaks a text line into balanced lines, each starting at `offset` + its place in the line.
void breakLine(QStringView line, qsizetype offset, int limit, QList<Line> &lines)
{
    QList<Piece> pieces;
    forEachPiece(line, limit, [&](Piece piece) { pieces.append(piece); });

    // The best breaking of the pieces from each one on: its lines, its cost, where its first line
    // ends. Pieces never overlap a line's end, so each one alone fits.
    struct Breaking {
        qsizetype lines = 0;
        qint64 cost = 0;
        qsizetype next = 0;
    };
    const qsizetype count = pieces.size();
    QList<Breaking> best(count + 1);
    for (qsizetype first = count - 1; first >= 0; --first) {
        Breaking &here = best[first];
        here.lines = std::numeric_limits<qsizetype>::max();
        qsizetype length = -1;
        for (qsizetype last = first; last < count; ++last) {
            length += 1 + pieces[last].length;
            if (length > limit)
                break;
            const qint64 gap = limit - length;
            const Breaking candidate{best[last + 1].lines + 1, best[last + 1].cost + gap * gap,
                                     last + 1};
            // On a tie the later end wins: the longer first line.
            if (std::tie(candidate.lines, candidate.cost) <= std::tie(here.lines, here.cost))
                here = candidate;
        }
    }

    for (qsizetype first = 0; first < count; first = best[first].next) {
        Line &made = lines.emplace_back();
        made.start = offset + pieces[first].start;
        for (qsizetype i = first; i < best[first].next; ++i) {
            if (i > first)
                made.text += u' ';
            made.text += line.sliced(pieces[i].start, pieces[i].length);
        }
    }
}

// Lays out the first `wanted` messages of a paragraph of `lineTotal` lines that starts at `offset`.
void layOutParagraph(QStringView paragraph, qsizetype offset, qsizetype lineTotal, int limit,
                     qsizetype wanted, QList<SplitMessage> &messages)
{
    const qsizetype count = (lineTotal + kLineCount - 1) / kLineCount;
    const qsizetype shortest = lineTotal / count;
    const qsizetype longer = lineTotal % count;
    wanted = std::min(wanted, count);
    const qsizetype needed = wanted * shortest + std::min(wanted, longer);

    QList<Line> lines;
    for (qsizetype start = 0; lines.size() < needed;) {
        const qsizetype end = lineEnd(paragraph, start);
        breakLine(paragraph.sliced(start, end - start), offset + start, limit, lines);
        start = nextLine(paragraph, end);
    }
    for (qsizetype message = 0, first = 0; message < wanted; ++message) {
        const qsizetype size = shortest + (message < longer ? 1 : 0);
        SplitMessage &made = messages.emplace_back();
        made.start = lines[first].start;
        for (qsizetype i = first; i < first + size; ++i)
            made.lines << lines[i].text;
        first += size;
    }
}

} // namespace

int splitLimit(qint16 alignment, qint16 lineWidth)
{
    const int area =
        lineWidth == kFaceWidth || lineWidth == kCentredFaceWidth ? kFaceWidth : kNoFaceWidth;
    return alignment == kCentred || alignment == kRightAligned ? area - 1 : area;
}

TextSplit splitText(QStringView text, int limit, qsizetype wanted)
{
    // Each unit fits in a line.
    limit = std::max(limit, kLongestUnit);
    TextSplit split;
    qsizetype paragraphStart = 0;
    qsizetype paragraphLines = 0;
    const auto endParagraph = [&](qsizetype end) {
        if (paragraphLines == 0)
            return;
        if (split.messages.size() < wanted)
            layOutParagraph(text.sliced(paragraphStart, end - paragraphStart), paragraphStart,
                            paragraphLines, limit, wanted - split.messages.size(), split.messages);
        split.messageCount += (paragraphLines + kLineCount - 1) / kLineCount;
        paragraphLines = 0;
    };
    for (qsizetype start = 0;;) {
        const qsizetype end = lineEnd(text, start);
        const qsizetype lines = lineCount(text.sliced(start, end - start), limit);
        if (lines == 0) {
            endParagraph(start);
        } else {
            if (paragraphLines == 0)
                paragraphStart = start;
            paragraphLines += lines;
        }
        if (end == text.size())
            break;
        start = nextLine(text, end);
    }
    endParagraph(text.size());
    return split;
}
