#pragma once

#include "state/dialogs.h"

// Questions and messages in the toolkit's own modal boxes, over the active window; file names in
// the platform's own file dialog.
class QtDialogs final : public Dialogs {
public:
    QString ask(const QString &prompt, const QString &title, const QString &defaultAnswer) override;
    void inform(const QString &text, const QString &title) override;
    QString fileName(FileUse use, const QString &title, const QString &folder) override;
};
