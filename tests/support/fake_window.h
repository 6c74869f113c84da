#pragma once

#include "state/message_window.h"

#include <QStringList>

#include <array>

// The main window's texts without a window; counts how often the output is written.
class FakeWindow final : public MessageWindow {
public:
    std::array<QString, 4> lines{QStringLiteral("Zeile 1"), QStringLiteral("Zeile 2"),
                                 QStringLiteral("Zeile 3"), QStringLiteral("Zeile 4")};
    QString ausgabe;
    int ausgabeWrites = 0;

    QString zeile(int index) const override { return lines.at(index); }
    void setZeile(int index, const QString &text) override { lines.at(index) = text; }
    void setAusgabe(const QString &text) override
    {
        ausgabe = text;
        ++ausgabeWrites;
    }
};
