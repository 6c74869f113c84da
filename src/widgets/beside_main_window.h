#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class QWidget;

// Opens a secondary window beside the main window, so that it covers neither the input lines nor
// the output box: to its right where the screen has room, else to its left, else below it, always
// inside the available area of the main window's screen; where none of these has room, covering
// the main window as little as it can. A window the user has moved opens where it was left, in
// this run or the last one, as long as that place is on a screen; the place is kept in the
// settings of the data folder.
class BesideMainWindow final : public QObject {
public:
    BesideMainWindow(const QWidget &mainWindow, const QString &dataFolder)
        : m_mainWindow(mainWindow), m_dataFolder(dataFolder)
    {
    }

    // Shows the window, placed unless it is shown already, and brings it to the front.
    void show(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QWidget &m_mainWindow;
    const QString m_dataFolder;
    QPoint m_placedAt;
    std::optional<QPoint> m_leftAt;
};
