#pragma once

#include <QString>

#include <array>

// Message lines are numbered 1 to kLineCount.
inline constexpr int kLineCount = 4;

// Alignment modes; every other value lays the lines out without blanks.
inline constexpr qint16 kCentred = 1;
inline constexpr qint16 kRightAligned = 2;
inline constexpr qint16 kLeftAligned = 3;

// Line widths: no face graphic, a face graphic, a face graphic with centred lines.
inline constexpr qint16 kNoFaceWidth = 50;
inline constexpr qint16 kFaceWidth = 38;
inline constexpr qint16 kCentredFaceWidth = 26;

// The message state shared by every command of the main window; it lives from start-up to exit,
// and the main window's Form_Load gives the settings their start values.
struct Module1 {
    // Entry n is message line n; entry 0 exists but is never written or shown.
    std::array<QString, kLineCount + 1> MsgZeilen;
    qint16 AusrichtungsModus = 0;
    qint16 Zeilenbreite = 0;
};
