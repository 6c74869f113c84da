#include "game_view/message_preview.h"

#include "state/message_text.h"
#include "state/module1.h"
#include "symbols/symbol_catalogue.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

constexpr int kSlowestSpeed = 20;
constexpr char16_t kWordJoiner = u'\u2060';
constexpr QChar kReplacement = QChar::ReplacementCharacter;

// What the reading carries from sign to sign and from line to line.
struct Pen {
    int colour = 0;
    int speed = kSpeedAtStart;
    qint64 frame = 0;
    bool closes = false;
};

// A backslash that the engine draws, written as two.
bool isDrawnBackslash(QStringView text)
{
    return text.size() > 1 && text[0] == u'\\' && text[1] == u'\\';
}

// How many characters the text holds, a surrogate pair being one.
qsizetype characterCount(QStringView text)
{
    qsizetype characters = text.size();
    for (qsizetype i = 1; i < text.size(); ++i)
        characters -= isSurrogatePair(text.sliced(i - 1));
    return characters;
}

qsizetype countLineBreaks(QStringView text)
{
    qsizetype breaks = text.count(u'\n');
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', cr + 1))
        breaks += !isCrLf(text.sliced(cr));
    return breaks;
}

// A code's number as the program writes it: decimal digits without sign or leading zero.
std::optional<int> codeNumber(QStringView digits, int lowest, int highest)
{
    if (digits.isEmpty() || digits.size() > 2 || (digits.size() == 2 && digits[0] == u'0'))
        return std::nullopt;
    int number = 0;
    for (const QChar digit : digits)
        number = number * 10 + (digit.unicode() - u'0');
    if (number < lowest || number > highest)
        return std::nullopt;
    return number;
}

// The code at the start of `code`, which begins with a backslash: how long it is, and whether the
// engine reads it; if so, the pen takes it.
std::pair<qsizetype, bool> readCode(QStringView code, Pen &pen)
{
    if (code.size() < 2 || isLineBreak(code[1]))
        return {1, false};
    const QChar kind = code[1];
    if (kind == u'.') {
        pen.frame += kDelayFrames;
        return {2, true};
    }
    if (kind == u'^') {
        pen.closes = true;
        return {2, true};
    }
    if (kind == u'C' || kind == u'S') {
        if (code.size() < 3 || code[2] != u'[')
            return {2, false};
        qsizetype end = 3;
        while (end < code.size() && isDigit(code[end]))
            ++end;
        if (end == code.size() || code[end] != u']')
            return {end, false};
        const bool colour = kind == u'C';
        const auto number = codeNumber(code.sliced(3, end - 3), colour ? 0 : 1,
                                       colour ? kColourCount - 1 : kSlowestSpeed);
        if (number)
            (colour ? pen.colour : pen.speed) = *number;
        return {end + 1, number.has_value()};
    }
    // Any other character after the backslash; a character of two units stays whole.
    return {isSurrogatePair(code.sliced(1)) ? 3 : 2, false};
}

// Writes a line into its row, as far as the row lays it out, and counts its cells.
class LineWriter {
public:
    LineWriter(PreviewRow &row, Pen &pen, int limit) : m_row(row), m_pen(pen), m_limit(limit) {}

    // Writes the line at the start of `text`; returns where it ends.
    qsizetype write(QStringView text)
    {
        qsizetype i = 0;
        while (i < text.size() && !isLineBreak(text[i])) {
            if (m_row.cells >= m_limit)
                return i + countRest(text.sliced(i));
            i += writeNext(text.sliced(i));
        }
        return i;
    }

private:
    // Past what is laid out nothing is drawn, so the rest of a line of any length is only read
    // in one quick pass: its cells, its time, and the codes that set the pen.
    qsizetype countRest(QStringView text)
    {
        qsizetype i = 0;
        qsizetype cells = 0;
        qsizetype signs = 0;
        while (i < text.size() && !isLineBreak(text[i])) {
            const QStringView rest = text.sliced(i);
            if (rest[0] == u'\\' && !isDrawnBackslash(rest)) {
                // The time so far runs at the speed before the code.
                count(std::exchange(cells, 0), std::exchange(signs, 0));
                const auto [length, known] = readCode(rest, m_pen);
                if (!known) {
                    cells += length;
                    signs += characterCount(rest.first(length));
                    m_row.uninterpreted = true;
                }
                i += length;
                continue;
            }
            const bool twoUnits =
                isDrawnBackslash(rest) || symbolIndexOfCode(rest.left(2)) || isSurrogatePair(rest);
            cells += twoUnits && rest[0] != u'\\' ? 2 : 1;
            ++signs;
            i += twoUnits ? 2 : 1;
        }
        count(cells, signs);
        return i;
    }

    // Writes the sign, or reads the code, at the start of `text`; returns its length.
    qsizetype writeNext(QStringView text)
    {
        if (text[0] == u'$') {
            if (const auto glyph = symbolIndexOfCode(text.left(2))) {
                writeGlyph(*glyph);
                return 2;
            }
        } else if (text[0] == u'\\') {
            if (isDrawnBackslash(text)) {
                writeSign(text.left(1), 1, -1, false);
                return 2;
            }
            const auto [length, known] = readCode(text, m_pen);
            for (qsizetype i = 0; !known && i < length;)
                i += writeCharacter(text.sliced(i, length - i), true);
            return length;
        }
        return writeCharacter(text, false);
    }

    // Writes the character at the start of `text` as it stands; returns its length.
    qsizetype writeCharacter(QStringView text, bool uninterpreted)
    {
        const QChar ch = text[0];
        const int width = isSurrogatePair(text) ? 2 : 1;
        if (!fits(width)) {
            writeSign({}, width, -1, uninterpreted);
            return width;
        }
        if (width == 2) {
            const QStringView pair = text.left(2);
            const bool printable = QChar::isPrint(QChar::surrogateToUcs4(pair[0], pair[1]));
            writeSign(printable ? pair : QStringView(u"\uFFFD\u2060"), 2, -1, uninterpreted);
            return 2;
        }
        // Line and paragraph separators are no line breaks to the engine.
        const bool printable = ch.isPrint() && ch.category() != QChar::Separator_Line &&
                               ch.category() != QChar::Separator_Paragraph;
        const QChar shown = printable ? ch : kReplacement;
        writeSign(QStringView(&shown, 1), 1, -1, uninterpreted);
        return 1;
    }

    void writeGlyph(int index)
    {
        // Past what is laid out only the cells and the time count; long runs of glyphs stay fast.
        if (!fits(2)) {
            count(2, 1);
            return;
        }
        const auto symbol = QChar::fromUcs4(symbolGlyph(index).symbol);
        const std::array<char16_t, 2> shown{symbol.chars[0],
                                            symbol.chars[1] ? symbol.chars[1] : kWordJoiner};
        writeSign(QStringView(shown.data(), 2), 2, index, false);
    }

    void writeSign(QStringView shown, int width, int glyph, bool uninterpreted)
    {
        if (fits(width)) {
            m_row.signs.append(
                {int(m_row.cells), width, m_pen.frame, m_pen.colour, glyph, uninterpreted});
            m_row.shown += shown;
        }
        m_row.uninterpreted |= uninterpreted;
        count(width, 1);
    }

    bool fits(int width) const { return m_row.cells + width <= m_limit; }

    void count(qsizetype cells, qsizetype signs)
    {
        m_row.cells += cells;
        m_pen.frame += signs * m_pen.speed;
    }

    PreviewRow &m_row;
    Pen &m_pen;
    const int m_limit;
};

} // namespace

MessagePreview previewMessage(QStringView text, qint16 lineWidth)
{
    MessagePreview preview;
    preview.face = lineWidth != kNoFaceWidth;
    preview.textWidth = preview.face ? kWindowCells - kFaceCells : kWindowCells;
    Pen pen;
    for (QStringView rest = text;;) {
        const qsizetype end =
            LineWriter(preview.rows.emplace_back(), pen, preview.textWidth + kCellsBeyondEdge)
                .write(rest);
        if (preview.rows.size() <= kWindowRows) {
            preview.endFrame = pen.frame;
            preview.closes = pen.closes;
        }
        if (end == rest.size()) {
            preview.lineCount = preview.rows.size();
            break;
        }
        rest = rest.sliced(end + (isCrLf(rest.sliced(end)) ? 2 : 1));
        if (preview.rows.size() == kWindowRows + kRowsBelow) {
            // Lines below those laid out are only counted.
            preview.lineCount = preview.rows.size() + 1 + countLineBreaks(rest);
            break;
        }
    }
    preview.rows.resize(std::max<qsizetype>(preview.rows.size(), kWindowRows));
    return preview;
}

PlaybackStep playbackStepAt(const MessagePreview &preview, qint64 frame)
{
    if (frame < preview.endFrame)
        return PlaybackStep::Writing;
    return preview.closes ? PlaybackStep::Closed : PlaybackStep::WaitingForKey;
}

QStringList previewNotes(const MessagePreview &preview)
{
    QStringList notes;
    for (int row = 0; row < kWindowRows; ++row) {
        const PreviewRow &line = preview.rows.at(row);
        if (line.cells > preview.textWidth)
            notes << QStringLiteral("Zeile %1 ist %2 Zeichen zu lang.")
                         .arg(row + 1)
                         .arg(line.cells - preview.textWidth);
        if (line.uninterpreted)
            notes << QStringLiteral("Zeile %1 enthält Codes, die das Spiel nicht auswertet "
                                    "(markiert).")
                         .arg(row + 1);
    }
    if (preview.lineCount == kWindowRows + 1)
        notes << QStringLiteral("Zeile 5 steht nicht im Fenster.");
    else if (preview.lineCount > kWindowRows + 1)
        notes << QStringLiteral("Zeilen 5 bis %1 stehen nicht im Fenster.").arg(preview.lineCount);
    return notes;
}
