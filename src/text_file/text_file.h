#pragma once

#include <QString>
#include <QStringView>

// The user's own text files, as German editors write them.

// Files larger than this are no scene to split, and would make the text box slow for minutes.
inline constexpr qint64 kLargestTextFile = 16 << 20;

struct TextFileContents {
    QString text;    // lines end in LF, whatever ends they have in the file
    QString failure; // why the file was not read, a sentence; empty when it was
};

// Reads UTF-8 with or without a byte order mark, UTF-16 (or UTF-32) with one, and anything else
// that is not valid UTF-8 as Windows-1252. Refuses what cannot be read, what holds a NUL character
// and what is larger than kLargestTextFile.
TextFileContents readTextFile(const QString &path);

// Writes the text, whose lines end in LF, as UTF-8 without a byte order mark, with the platform's
// line ends, atomically: a write that fails leaves the file that was there whole. Returns why it
// failed, a sentence, or the empty text.
QString writeTextFile(const QString &path, QStringView text);
