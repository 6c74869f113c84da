#pragma once

#include <QString>

// The texts of the main window that the commands read and write.
class MessageWindow {
public:
    virtual ~MessageWindow() = default;
    // Input line 1 to 4 has index 0 to 3.
    virtual QString zeile(int index) const = 0;
    virtual void setZeile(int index, const QString &text) = 0;
    // The output box; lines are separated by CR LF.
    virtual void setAusgabe(const QString &text) = 0;
};
