#include "layout/clearing.h"

#include "state/module1.h"

void clearLine(MessageWindow &window, int index)
{
    window.setZeile(index, QString());
}

void clearAllLines(MessageWindow &window)
{
    for (int index = 0; index < kLineCount; ++index)
        clearLine(window, index);
}
