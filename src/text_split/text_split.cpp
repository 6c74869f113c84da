#include "text_split/text_split.h"

#include "state/message_text.h"
#include "state/module1.h"
#include "symbols/symbol_catalogue.h"

#include <algorithm>
#include <array>
#include <compare>
#include <string_view>

namespace {

// How a message that ends after a word ends, best first: after a sentence or a text line, after
// a clause, or inside a sentence.
enum class Ending : quint8 { Clean, Fair, Rough };

// A word of a text line, or a piece of a long one.
struct Piece {
    qsizetype start = 0;
    qsizetype length = 0;
    bool endsLine = false; // the last of its text line
    Ending ending = Ending::Rough;
};

// Closing quotation marks and brackets are looked through to the character before them.
Ending endingOf(QStringView word)
{
    const auto among = [](std::u16string_view set, QChar ch) {
        return set.find(ch.unicode()) != set.npos;
    };
    while (!word.isEmpty() && among(u"\"'»«“”„‘’‚‹›)]}", word.back()))
        word.chop(1);
    if (word.isEmpty())
        return Ending::Rough;
    if (among(u".!?…", word.back()))
        return Ending::Clean;
    return among(u",;:–—", word.back()) ? Ending::Fair : Ending::Rough;
}

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

// What a paragraph's split weighs, compared in this order.
struct Cost {
    qsizetype messages = 0;
    qsizetype rough = 0;
    qsizetype fair = 0;
    qsizetype lines = 0;
    qint64 squaredSizes = 0; // of the messages, in lines: as even as can be
    qint64 squaredGaps = 0;  // the cells each line leaves free, the last line's too
    auto operator<=>(const Cost &) const = default;
};

// What the split does at a break point: the pieces of the next line, and whether its message
// ends after it.
struct Step {
    qint32 pieces = 0;
    bool ends = false;
};

// The best steps of a paragraph's pieces, for each break point and each number of lines its
// message already holds (kLineCount entries a break point). Worked from the end back, so that on a
// tie the first place two splits differ decides: the longer line, then the message that goes on.
QList<Step> bestSteps(const QList<Piece> &pieces, int limit)
{
    const qsizetype count = pieces.size();
    QList<Step> steps(count * kLineCount);
    // The costs of what follows each break point, for as many break points as a line can reach:
    // each piece takes a unit at least.
    const qsizetype reach = std::min<qsizetype>(count, limit) + 1;
    QList<std::array<Cost, kLineCount>> after(reach);
    for (qsizetype first = count - 1, slot = first % reach; first >= 0;
         --first, slot = slot > 0 ? slot - 1 : reach - 1) {
        // The best line from here whose message ends after it, and the best one whose message
        // goes on, for each number of lines the message holds before it. The ending line is the
        // same for all of them: the message's size adds the same to each.
        Cost ending;
        qsizetype endingAt = 0;
        std::array<Cost, kLineCount - 1> going;
        std::array<qsizetype, kLineCount - 1> goingAt{};
        qsizetype length = -1;
        for (qsizetype next = first + 1, nextSlot = slot; next <= count; ++next) {
            nextSlot = nextSlot < reach - 1 ? nextSlot + 1 : 0;
            const Piece &last = pieces[next - 1];
            length += 1 + last.length;
            if (length > limit)
                break;
            const qint64 gap = limit - length;
            const auto &rest = after[nextSlot];
            Cost end = rest[0];
            ++end.messages;
            end.rough += last.ending == Ending::Rough;
            end.fair += last.ending == Ending::Fair;
            end.squaredGaps += gap * gap;
            // Later candidates are longer lines: they win ties.
            if (endingAt == 0 || end <= ending) {
                ending = end;
                endingAt = next;
            }
            for (qsizetype held = 0; next < count && held < kLineCount - 1; ++held) {
                Cost goOn = rest[held + 1];
                goOn.squaredGaps += gap * gap;
                if (goingAt[held] == 0 || goOn <= going[held]) {
                    going[held] = goOn;
                    goingAt[held] = next;
                }
            }
            if (last.endsLine)
                break;
        }
        auto &here = after[slot];
        for (qsizetype held = 0; held < kLineCount; ++held) {
            Cost cost = ending;
            cost.squaredSizes += (held + 1) * (held + 1);
            Step step{qint32(endingAt - first), true};
            if (held < kLineCount - 1 && goingAt[held] != 0 &&
                (going[held] < cost || (going[held] == cost && goingAt[held] >= endingAt))) {
                cost = going[held];
                step = {qint32(goingAt[held] - first), false};
            }
            ++cost.lines;
            here[held] = cost;
            steps[first * kLineCount + held] = step;
        }
    }
    return steps;
}

// Lays out the first `wanted` messages of a paragraph that starts at `offset`, choosing its line
// breaks and message ends together.
void layOutParagraph(QStringView paragraph, qsizetype offset, int limit, qsizetype wanted,
                     QList<SplitMessage> &messages)
{
    QList<Piece> pieces;
    for (qsizetype start = 0; start < paragraph.size();) {
        const qsizetype end = lineEnd(paragraph, start);
        const qsizetype before = pieces.size();
        forEachPiece(paragraph.sliced(start, end - start), limit, [&](Piece piece) {
            piece.start += start;
            piece.ending = endingOf(paragraph.sliced(piece.start, piece.length));
            pieces.append(piece);
        });
        if (pieces.size() > before) {
            pieces.back().endsLine = true;
            pieces.back().ending = Ending::Clean;
        }
        start = end < paragraph.size() ? nextLine(paragraph, end) : end;
    }

    const QList<Step> steps = bestSteps(pieces, limit);
    SplitMessage *made = nullptr;
    for (qsizetype first = 0, held = 0; first < pieces.size();) {
        const Step step = steps[first * kLineCount + held];
        if (held == 0) {
            if (wanted-- == 0)
                return;
            made = &messages.emplace_back();
            made->start = offset + pieces[first].start;
        }
        QString line;
        for (qsizetype i = first; i < first + step.pieces; ++i) {
            if (i > first)
                line += u' ';
            line += paragraph.sliced(pieces[i].start, pieces[i].length);
        }
        made->lines << line;
        first += step.pieces;
        made->endsMidSentence = step.ends && pieces[first - 1].ending == Ending::Rough;
        held = step.ends ? 0 : held + 1;
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
                            limit, wanted - split.messages.size(), split.messages);
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
