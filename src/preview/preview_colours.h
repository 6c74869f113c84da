#pragma once

#include "game_view/message_preview.h"

#include <QColor>

// The game takes its colours from each game's own system graphic; the preview shows a fixed set of
// distinct ones on a dark window instead.
QColor windowColour();
// Cells past the window's edge.
QColor beyondEdgeColour();
// The mark under what the engine does not interpret.
QColor uninterpretedColour();

// Text colour 0 to kColourCount - 1.
QColor textColour(int colour);
