#pragma once

#include "state/session.h"

// Wraps a chosen stored line in a colour code and the code of colour 0.
void addColour(Session &session);

// Puts a speed code in front of a chosen stored line.
void addSpeed(Session &session);
