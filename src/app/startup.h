#pragma once

// What the program sets up before its first window: its name and version, its icon, and the
// toolkit's own texts (such as the buttons of its input box) in German like the rest of the
// program, whatever the user's locale.
void setUpApplication();
