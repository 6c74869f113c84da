#pragma once

#include "state/session.h"

#include <QLocale>
#include <QString>

#include <optional>

// Reads an answer as a 16-bit number in the locale's format: blanks around it are ignored and a
// fraction is rounded half to even. Empty, non-numeric, infinite and out-of-range answers give
// nothing.
std::optional<qint16> parseNumericAnswer(const QString &answer, const QLocale &locale);

// Asks a question whose answer is a number; nothing when the answer is no usable number.
std::optional<qint16> askNumber(Session &session, const QString &prompt, const QString &title,
                                int defaultAnswer);
