#pragma once

#include "state/session.h"

#include <QString>

#include <optional>

// How many blanks go in front of a line of the given length (UTF-16 code units).
qsizetype leadingBlanks(qint16 alignment, qint16 width, qsizetype length);

// By how many characters a line is too long, if it is; only centred lines are checked.
std::optional<qsizetype> lengthExcess(qint16 alignment, qint16 width, qsizetype length);

// The text of the length warning for line 1 to 4.
QString lengthWarningText(int lineNumber, qsizetype excess);

// Lays out the four input lines, warns about long ones, stores and shows them.
void evaluate(Session &session);
