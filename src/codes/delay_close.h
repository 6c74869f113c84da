#pragma once

#include "state/session.h"

// Appends the silent three-dot pause to a chosen stored line.
void addPause(Session &session);

// Appends a chosen number of delays and the automatic-close code to line 4.
void addAutoClose(Session &session);
