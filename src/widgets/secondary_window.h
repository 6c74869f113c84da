#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>

// A window that lives on its own beside the main window: created on the first request, modeless
// and without an owner. A window whose close box discards it (Qt::WA_DeleteOnClose) is created
// afresh at the next request; one that only hides comes back as it was left.
template <typename Window, typename... Arguments>
Window &secondaryWindow(QPointer<Window> &window, Arguments &&...arguments)
{
    if (!window)
        window = new Window(std::forward<Arguments>(arguments)...);
    return *window;
}

// Shows a window, or brings it to the front when it is shown already.
inline void showInFront(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
