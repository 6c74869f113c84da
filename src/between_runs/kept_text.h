#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

// The text of "Text verteilen", kept between runs in the data folder with its cursor position:
// read when it is made, written about a second after the last change and again when it ends,
// atomically. One copy of the program at a time keeps it; a second one keeps nothing and says so.
class KeptText final : public QObject {
    Q_OBJECT

public:
    explicit KeptText(const QString &dataFolder);
    ~KeptText() override;

    // As the last run left them; empty in a copy that keeps nothing.
    QString text() const { return m_written; }
    int cursor() const { return m_cursor; }

    // The text changed: it is written about a second later.
    void setText(const QString &text, int cursor);
    // Written with the text, or at the end.
    void setCursor(int cursor);

    // Why the text is not kept, a sentence for the user; empty while it is.
    QString problem() const { return m_problem; }

signals:
    void problemChanged(const QString &problem);

private:
    void write();
    // Each says why it failed.
    bool makeFolder();
    bool lock();
    bool writeText();
    void setProblem(const QString &problem);

    const QString m_folder;
    QLockFile m_lock;
    QTimer m_delay;
    QString m_written; // as the file holds it
    QString m_text;    // as it is now
    int m_cursor = 0;
    bool m_cursorMoved = false;
    // Another copy keeps the text, or the kept file cannot be read: this one must not overwrite it.
    bool m_keepsNothing = false;
    QString m_problem;
};
