#pragma once

#include <QString>

// The modal questions and messages the commands need; tests answer them with a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Returns the answer, or the empty text when the user cancels.
    virtual QString ask(const QString &prompt, const QString &title,
                        const QString &defaultAnswer) = 0;
    // An information message with a single OK button.
    virtual void inform(const QString &text, const QString &title) = 0;
    // The name of a text file to open or to save to, chosen from `folder` on; the empty text when
    // the user cancels.
    enum class FileUse { Open, Save };
    virtual QString fileName(FileUse use, const QString &title, const QString &folder) = 0;
};
