#pragma once

#include "state/session.h"

#include <optional>

// Asks a question whose answer is a 16-bit number in the locale's format; nothing when the user
// cancels or the answer is empty, no number or out of range. A fraction is rounded to the
// nearest integer, a half to the even neighbour.
std::optional<qint16> askNumber(Session &session, const QString &prompt, const QString &title,
                                int defaultAnswer);

// Whether a number names one of the message lines.
bool isLineNumber(qint16 number);
