// The real program, ended as soon as its main window is up and the event loop has gone idle.
#include "app/startup.h"
#include "quit_when_idle.h"

int main(int, char *argv[])
{
    return runProgram(argv[0], quitWhenIdleAfterShowing);
}
