#include "app/startup.h"

int main(int, char *argv[])
{
    return runProgram(argv[0]);
}
