#pragma once

#include <QStringList>

#include <optional>
#include <random>

enum class Command {
    TypeLine,
    Evaluate,
    ClearLine,
    ClearAll,
    Alignment,
    MenuFace,
    Toolbar,
    Colour,
    Speed,
    Pause,
    AutoClose
};

// One user action on the main window: the input line (0 to 3) for TypeLine and ClearLine, the
// typed line or the toolbar button's text, the answers for every box it may open (null for a
// cancelled one), and the numbers they stand for in hundredths, so that fractions stay exact.
struct CommandStep {
    Command command;
    int index;
    QString text;
    QStringList answers;
    QList<std::optional<qint64>> hundredths;
};

// Four typed lines, then up to 30 user actions: lines of every kind, and commands answered
// validly, out of range, with fractions, with no number at all, or cancelled.
QList<CommandStep> randomSequence(std::seed_seq &state, QChar decimalPoint, QChar groupSeparator);
