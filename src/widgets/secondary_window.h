#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>

// Shows a window that lives on its own beside the main window: created on the first request,
// modeless and without an owner, brought to the front when asked for again. Its close box
// discards it, so the next request starts it afresh; hiding keeps it as it was.
template <typename Window, typename... Arguments>
void showSecondaryWindow(QPointer<Window> &window, Arguments &&...arguments)
{
    if (!window) {
        window = new Window(std::forward<Arguments>(arguments)...);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
