#pragma once

#include "state/session.h"

// Lays out the four input lines, warns about long ones, stores and shows them.
void evaluate(Session &session);
