#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

// The longest line, in UTF-16 units as typed, that still fits the message window's text area
// after evaluation with these settings: centring and right alignment put at least one blank in
// front of it.
int splitLimit(qint16 alignment, qint16 lineWidth);

struct SplitMessage {
    QStringList lines;            // 1 to 4, each as it goes into its input line
    qsizetype start = 0;          // where its first line starts in the text
    bool endsMidSentence = false; // the next message goes on with its sentence
};

struct TextSplit {
    QList<SplitMessage> messages; // the first ones, as many as were asked for
    qsizetype messageCount = 0;   // of the whole text
};

// Lays a text into messages of at most four lines of at most `limit` units each. Text lines end at
// CR LF, LF or CR; an empty or blank line ends a paragraph, and a paragraph never shares a message.
// A word longer than the limit is cut into pieces that fill a line, never inside a glyph code, a
// control code or a character of two units. Within a paragraph, line breaks and message ends are
// chosen together: the fewest messages; the fewest of them ending inside a sentence, then inside a
// clause; the fewest lines; messages as even as can be; lines as even as can be (the squares of
// the cells left free); then, where two splits first differ, the longer line, then the message
// that goes on. Only the first `wanted` messages are laid out; the rest are counted.
TextSplit splitText(QStringView text, int limit, qsizetype wanted);
