#pragma once

#include <functional>

// Starts the toolkit, shows the main window and runs until the program ends. The toolkit sees
// only the program name, so no command-line option reaches it. `whenShown` runs once the main
// window is up (measurements use it to stop at once).
int runProgram(char *programName, const std::function<void()> &whenShown = {});
