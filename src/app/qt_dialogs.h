#pragma once

#include "state/dialogs.h"

// Questions and messages in the toolkit's own modal boxes, over the active window.
class QtDialogs final : public Dialogs {
public:
    QString ask(const QString &prompt, const QString &title, const QString &defaultAnswer) override;
    void inform(const QString &text, const QString &title) override;
};
