#pragma once

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

// Ends the program the first time the event loop is about to wait with every visible window
// exposed: by then the windows have been painted and nothing is left to do. A zero timer alone
// would fire before the first expose event and so stop before anything was drawn.
inline void quitWhenIdleAfterShowing()
{
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     QCoreApplication::instance(), [] {
                         const auto windows = QGuiApplication::topLevelWindows();
                         if (std::all_of(windows.begin(), windows.end(), [](const QWindow *w) {
                                 return !w->isVisible() || w->isExposed();
                             }))
                             QCoreApplication::quit();
                     });
}
