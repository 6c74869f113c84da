#pragma once

#include <QList>
#include <QString>

#include <optional>

// One answer typed into an input box.
struct StepAnswer {
    // Null when the box is cancelled.
    QString text;
    // The number the text stands for, in hundredths, so that fractions stay exact; none when the
    // text is no number at all.
    std::optional<qint64> hundredths;
};

enum class Command {
    TypeLine,
    Evaluate,
    ClearLine,
    ClearAllLines,
    Alignment,
    MenuFace,
    ToolbarButton,
    Colour,
    Speed,
    Pause,
    AutoClose,
};

// One user action on the main window, with the answers for every question it may ask.
struct CommandStep {
    Command command = Command::Evaluate;
    // Input line 0 to 3, for TypeLine and ClearLine.
    int index = 0;
    // The typed line, or the text of the toolbar button.
    QString text;
    QList<StepAnswer> answers;
};

// The text in double quotes, every character outside printable ASCII as \uXXXX; <cancel> for null.
QString printable(const QString &text);

// A readable one-line account of the step, for failure reports.
QString describe(const CommandStep &step);
