#pragma once

#include <QPointer>
#include <QWidget>

// Shows a window that lives on its own beside the main window: created on the first request,
// modeless and without an owner, brought to the front when asked for again. Its close box
// discards it, so the next request starts it afresh; hiding keeps it as it was.
template <typename Window> void showSecondaryWindow(QPointer<Window> &window)
{
    if (!window) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
