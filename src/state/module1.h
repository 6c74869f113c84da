#pragma once

#include <QString>

#include <array>

// The message state shared by every command of the main window; it lives from start-up to exit.
struct Module1 {
    // Entries 1 to 4 are message lines 1 to 4; entry 0 exists but is never written or shown.
    std::array<QString, 5> MsgZeilen;
    // 1 centred, 2 right-aligned, anything else unpadded.
    qint16 AusrichtungsModus = 1;
    // 50 without a face graphic, 38 with one, 26 with one and centred.
    qint16 Zeilenbreite = 50;
};
