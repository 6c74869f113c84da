#pragma once

#include "state/session.h"

#include <QStringList>

// Puts a message's lines into input lines 1 to 4, emptying those it does not fill, and evaluates
// them as "Auswerten" does.
void takeMessage(Session &session, const QStringList &lines);
