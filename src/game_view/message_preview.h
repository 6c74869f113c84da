#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The message window as the game engine fills it: a grid of four rows of fixed-width cells.
inline constexpr int kWindowRows = 4;
inline constexpr int kWindowCells = 50;
// A face graphic takes this many cells at the left; the text gets the rest.
inline constexpr int kFaceCells = 12;
inline constexpr int kColourCount = 20;
// Only what the preview can show is laid out: a few cells past the window's edge, and a few
// lines below the window.
inline constexpr int kCellsBeyondEdge = 10;
inline constexpr int kRowsBelow = 3;

// The playback's clock: a character takes as many frames as the speed's number.
inline constexpr int kFramesPerSecond = 60;
inline constexpr int kSpeedAtStart = 1;
inline constexpr int kDelayFrames = kFramesPerSecond / 4;

// One thing the window writes: a character or a glyph.
struct PreviewSign {
    int column = 0;
    int width = 1;              // a glyph, and a character of two UTF-16 units, take two cells
    qint64 frame = 0;           // when it appears while the message plays
    int colour = 0;             // 0 to kColourCount - 1; 0 is the normal text colour
    int glyph = -1;             // the catalogue index of a glyph, else -1
    bool uninterpreted = false; // part of a code the engine does not read: drawn as it stands
};

struct PreviewRow {
    // What each laid-out cell shows, one UTF-16 unit a cell: codes removed, a glyph as its symbol
    // (padded to its two cells with a word joiner), a character that cannot be shown as U+FFFD.
    QString shown;
    QList<PreviewSign> signs;
    qsizetype cells = 0; // of the whole line, the cells not laid out included
    bool uninterpreted = false;
};

struct MessagePreview {
    bool face = false;
    int textWidth = kWindowCells;
    // The window's four rows, then the lines below it that are laid out.
    QList<PreviewRow> rows;
    qsizetype lineCount = 0; // of the whole text
    // The playback covers the window's rows: it ends when their last sign has appeared and the
    // last delay has passed, and then the window closes by itself or waits for a key.
    qint64 endFrame = 0;
    bool closes = false;
};

// The text as the engine shows it, split into lines at CR LF, LF and CR, for a line width of the
// settings (38 and 26 mean a face graphic).
MessagePreview previewMessage(QStringView text, qint16 lineWidth);

enum class PlaybackStep { Writing, WaitingForKey, Closed };
PlaybackStep playbackStepAt(const MessagePreview &preview, qint64 frame);

// In words: which row is how many characters too long, what is not interpreted, which lines the
// window does not show.
QStringList previewNotes(const MessagePreview &preview);
