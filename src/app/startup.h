#pragma once

// Starts the toolkit, shows the main window and runs until the program ends. The toolkit sees
// only the program name, so no command-line option reaches it.
int runProgram(char *programName);
