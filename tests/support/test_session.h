#pragma once

#include "fake_window.h"
#include "scripted_dialogs.h"
#include "state/session.h"

// A whole session for the message logic, in German number format whatever the machine says.
struct TestSession {
    Module1 state;
    FakeWindow window;
    ScriptedDialogs dialogs;
    Session session{state, window, dialogs, QLocale(QLocale::German, QLocale::Germany)};
};
