#pragma once

#include "state/session.h"

#include <array>

inline constexpr QStringView kLineBreak = u"\r\n";

// Entries 1 to 4 joined by CR LF, none in front and none at the end.
QString ausgabeText(const std::array<QString, 5> &msgZeilen);

// Shows the stored lines in the output box again.
void AusgabeAktualisieren(Session &session);
