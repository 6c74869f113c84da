#pragma once

#include "state/session.h"

// Shows the stored lines in the output box again, joined by CR LF.
void AusgabeAktualisieren(Session &session);
