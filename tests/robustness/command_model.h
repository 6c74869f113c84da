#pragma once

#include "command_step.h"
#include "scripted_dialogs.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

struct FaceToggle;

// The main window's commands as the rules describe them, kept deliberately naive and separate
// from the program's own code, so that the two can be run side by side and compared.
class CommandModel {
public:
    std::array<QString, 4> input;
    std::array<QString, 5> stored;
    int mode = 1;
    int width = 50;
    QString output;

    // What the last step did besides changing the state.
    bool outputRebuilt = false;
    QList<ScriptedDialogs::Question> questions;
    QList<ScriptedDialogs::Message> messages;

    void apply(const CommandStep &step);

private:
    QList<StepAnswer> m_answers;

    std::optional<int> askNumber(const QString &prompt, const QString &title, int defaultAnswer);
    void inform(const QString &text, const QString &title);
    void rebuildOutput();

    void evaluate();
    void alignment();
    void toggleFace(const FaceToggle &toggle);
    void toolbarButton(const QString &text);
    void colour();
    void speed();
    void pause();
    void autoClose();
};

// Blanks the evaluation puts in front of a line of the given length.
int modelLeadingBlanks(int mode, int width, qint64 length);

// The length warning for line 1 to 4, if the line gets one.
std::optional<QString> modelLengthWarning(int mode, int width, int lineNumber, qint64 length);

// A number in hundredths rounded to a whole number, a half going to the even neighbour.
qint64 roundHalfToEven(qint64 hundredths);
