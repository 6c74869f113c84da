#pragma once

#include "state/dialogs.h"
#include "state/message_window.h"
#include "state/module1.h"

#include <QLocale>

// Everything a command of the main window works on.
struct Session {
    Module1 &state;
    MessageWindow &window;
    Dialogs &dialogs;
    // Numeric answers are read in this locale's number format.
    QLocale locale;
};
