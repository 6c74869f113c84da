#include "preview/message_preview.h"

#include "state/module1.h"
#include "symbols/symbol_catalogue.h"

#include <optional>

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

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
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
    if (code.size() < 2)
        return {code.size(), false};
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
    return {kind.isHighSurrogate() && code.size() > 2 && code[2].isLowSurrogate() ? 3 : 2, false};
}

// Writes one line into `row`, as far as the row lays it out, and counts its cells.
class LineWriter {
public:
    LineWriter(PreviewRow &row, Pen &pen, int limit) : m_row(row), m_pen(pen), m_limit(limit) {}

    void write(QStringView line)
    {
        for (qsizetype i = 0; i < line.size();) {
            const QStringView rest = line.sliced(i);
            if (rest[0] == u'$') {
                if (const auto glyph = symbolIndexOfCode(rest.left(2))) {
                    writeGlyph(*glyph);
                    i += 2;
                    continue;
                }
            } else if (rest[0] == u'\\') {
                if (rest.size() > 1 && rest[1] == u'\\') {
                    writeSign(rest.left(1), 1, -1, false);
                    i += 2;
                    continue;
                }
                const auto [length, known] = readCode(rest, m_pen);
                if (!known)
                    writeCharacters(rest.left(length), true);
                i += length;
                continue;
            }
            i += writeCharacters(rest.left(rest[0].isHighSurrogate() ? 2 : 1), false);
        }
    }

private:
    // Writes each character of `text` as it stands; returns the units written.
    qsizetype writeCharacters(QStringView text, bool uninterpreted)
    {
        for (qsizetype i = 0; i < text.size();) {
            const QChar ch = text[i];
            if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                const QStringView pair = text.sliced(i, 2);
                const bool printable = QChar::isPrint(QChar::surrogateToUcs4(pair[0], pair[1]));
                writeSign(printable ? pair : QStringView(u"\uFFFD\u2060"), 2, -1, uninterpreted);
                i += 2;
            } else {
                // Line and paragraph separators are no line breaks to the engine.
                const bool printable = ch.isPrint() && ch.category() != QChar::Separator_Line &&
                                       ch.category() != QChar::Separator_Paragraph;
                const QChar shown = printable ? ch : kReplacement;
                writeSign(QStringView(&shown, 1), 1, -1, uninterpreted);
                ++i;
            }
        }
        return text.size();
    }

    void writeGlyph(int index)
    {
        const char32_t symbol = symbolGlyph(index).symbol;
        QString shown = QString::fromUcs4(&symbol, 1);
        if (shown.size() == 1)
            shown += kWordJoiner;
        writeSign(shown, 2, index, false);
    }

    void writeSign(QStringView shown, int width, int glyph, bool uninterpreted)
    {
        if (m_row.cells + width <= m_limit) {
            m_row.signs.append(
                {int(m_row.cells), width, m_pen.frame, m_pen.colour, glyph, uninterpreted});
            m_row.shown += shown;
        }
        m_row.uninterpreted |= uninterpreted;
        m_row.cells += width;
        m_pen.frame += m_pen.speed;
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
    for (qsizetype start = 0;;) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        ++preview.lineCount;
        if (preview.rows.size() < kWindowRows + kRowsBelow) {
            LineWriter(preview.rows.emplace_back(), pen, preview.textWidth + kCellsBeyondEdge)
                .write(text.sliced(start, end - start));
            if (preview.rows.size() <= kWindowRows) {
                preview.endFrame = pen.frame;
                preview.closes = pen.closes;
            }
        }
        if (end == text.size())
            break;
        start = end + (text.sliced(end).startsWith(u"\r\n") ? 2 : 1);
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
