#pragma once

#include <QString>

// What the program sets up before its first window: its name and version, its icon, and the
// toolkit's own texts (such as the buttons of its input box) in German like the rest of the
// program, whatever the user's locale.
void setUpApplication();

// The text file named on the command line, or the empty text. "--help" and "--version" print the
// usage or the version and end the program, as do unknown options, with a message.
QString fileFromCommandLine();
