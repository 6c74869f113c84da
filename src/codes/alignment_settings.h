#pragma once

#include "state/session.h"

// Asks for the alignment mode; any 16-bit number is taken as it is.
void askAlignment(Session &session);

// The menu's face toggle: on at width 38 whatever the alignment.
void toggleFaceFromMenu(Session &session);

// A toolbar button, identified by its text.
void toolbarButtonClicked(Session &session, const QString &buttonText);
