#pragma once

#include "random_steps.h"

// What the main window's commands leave behind: the input lines, stored lines 0 to 4, the
// settings and the output box; and what the last step did besides: whether it wrote the output
// box, how many questions it asked, and its messages as "title|text".
struct Observed {
    QStringList input, stored;
    int mode, width;
    QString output;
    bool rebuilt;
    qsizetype questions;
    QStringList messages;

    bool operator==(const Observed &) const = default;
};

// The step as the rules describe it, written apart from the program so that the two can be run
// side by side.
void applyToModel(Observed &state, const CommandStep &step);

// Blanks the evaluation puts in front of a line of the given length.
int modelLeadingBlanks(int mode, int width, qint64 length);

// The length warning for line n (1 to 4), if the line gets one.
std::optional<QString> modelLengthWarning(int mode, int width, int n, qint64 length);
