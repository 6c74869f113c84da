#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

// The longest line, in UTF-16 units as typed, that still fits the message window's text area
// after evaluation with these settings: centring and right alignment put at least one blank in
// front of it.
int splitLimit(qint16 alignment, qint16 lineWidth);

struct SplitMessage {
    QStringList lines;   // 1 to 4, each as it goes into its input line
    qsizetype start = 0; // where its first line starts in the text
};

struct TextSplit {
    QList<SplitMessage> messages; // the first ones, as many as were asked for
    qsizetype messageCount = 0;   // of the whole text
};

// Lays a text into messages of at most four lines of at most `limit` units each. Text lines end at
// CR LF, LF or CR; an empty or blank line ends a paragraph, and a paragraph never shares a message.
// Each text line is broken into the fewest lines, balanced: the smallest sum of the squares of the
// cells left free, then the longer first line that differs. A word longer than the limit is cut
// into pieces that fill a line, never inside a glyph code, a control code or a character of two
// units. A paragraph's lines go into the fewest messages, as even as can be, the first ones
// taking the extra line. Only the first `wanted` messages are laid out; the rest are counted.
TextSplit splitText(QStringView text, int limit, qsizetype wanted);
