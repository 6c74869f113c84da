#pragma once

#include "state/message_window.h"

// Empties input line 1 to 4 (index 0 to 3).
void clearLine(MessageWindow &window, int index);

// Empties all four input lines, top to bottom.
void clearAllLines(MessageWindow &window);
