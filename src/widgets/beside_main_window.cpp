#include "widgets/beside_main_window.h"

#include "between_runs/settings_file.h"
#include "widgets/secondary_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <array>

namespace {

// Where a window of `size` goes beside `main`, inside `area`; sizes include the window frames.
QPoint besidePosition(const QRect &main, const QSize &size, const QRect &area)
{
    // Kept inside the area; a window larger than the area keeps its top-left corner in it.
    const auto inside = [&](QPoint at) {
        return QPoint(qBound(area.left(), at.x(), area.right() + 1 - size.width()),
                      qBound(area.top(), at.y(), area.bottom() + 1 - size.height()));
    };
    const std::array<QPoint, 3> sides{inside({main.right() + 1, main.top()}),
                                      inside({main.left() - size.width(), main.top()}),
                                      inside({main.left(), main.bottom() + 1})};
    for (const QPoint at : sides)
        if (!QRect(at, size).intersects(main))
            return at;
    const auto covered = [&](QPoint at) {
        const QRect cover = QRect(at, size).intersected(main);
        return qint64(cover.width()) * cover.height();
    };
    QPoint best = sides[0];
    for (const QPoint at : sides)
        if (covered(at) < covered(best))
            best = at;
    return best;
}

QString placeKey(const QWidget &window)
{
    return QStringLiteral("Fenster/") + window.objectName();
}

} // namespace

void BesideMainWindow::show(QWidget &window)
{
    if (!window.isVisible()) {
        window.installEventFilter(this);
        window.adjustSize();
        if (!m_leftAt) {
            const QVariant kept = settingsIn(m_dataFolder).value(placeKey(window));
            if (kept.isValid() && QGuiApplication::screenAt(kept.toPoint()))
                m_leftAt = kept.toPoint();
        }
        // The window's frame is not known before it is shown; the main window's is alike.
        const QRect main = m_mainWindow.frameGeometry();
        const QSize frame = main.size() - m_mainWindow.size();
        m_placedAt = m_leftAt.value_or(besidePosition(main, window.size() + frame,
                                                      m_mainWindow.screen()->availableGeometry()));
        window.move(m_placedAt);
    }
    showInFront(window);
}

bool BesideMainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide) {
        const auto &window = *static_cast<QWidget *>(watched);
        const QPoint at = window.pos();
        if (at != m_placedAt && at != m_leftAt) {
            m_leftAt = at;
            settingsIn(m_dataFolder).setValue(placeKey(window), at);
        }
    }
    return false;
}
