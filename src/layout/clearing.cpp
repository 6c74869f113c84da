#include "layout/clearing.h"

void clearLine(MessageWindow &window, int index)
{
    window.setZeile(index, QString());
}

void clearAllLines(MessageWindow &window)
{
    for (int index = 0; index < 4; ++index)
        clearLine(window, index);
}
