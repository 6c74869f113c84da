#pragma once

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <memory>

// Answers the modal boxes that open next, in turn, each with its own handler. A box that its
// handler leaves open (say, after a failed check) is rejected, so a test never hangs on it.
class ModalAnswerer {
public:
    using Handler = std::function<void(QWidget *)>;

    explicit ModalAnswerer(QList<Handler> handlers) : m_handlers(std::move(handlers))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    bool allAnswered() const { return m_handlers.isEmpty(); }

private:
    void poll()
    {
        QWidget *box = QApplication::activeModalWidget();
        // A new box may take the address of the last one, so mark the boxes already answered.
        if (!box || box->property(kAnswered).toBool() || m_handlers.isEmpty())
            return;
        box->setProperty(kAnswered, true);
        const Handler handler = m_handlers.takeFirst();
        handler(box);
        if (auto *dialog = qobject_cast<QDialog *>(box); dialog && dialog->isVisible())
            dialog->reject();
    }

    QList<Handler> m_handlers;
    QTimer m_timer;
    static constexpr const char *kAnswered = "answeredByTest";
};
