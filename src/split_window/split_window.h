#pragma once

#include "between_runs/kept_text.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TextBox;
struct Session;

// "Text verteilen": lays a whole text into messages that fit the message window, and takes them,
// one by one, into the input lines. It holds the user's text, so closing it only hides it, and the
// text is kept between runs in the data folder; text files can be opened and saved.
class SplitWindow final : public QDialog {
    Q_OBJECT

public:
    SplitWindow(Session &session, const QString &dataFolder);

    // Shows how the text splits now, with the current settings.
    void refresh();

    // Replaces the text with the file's, as one edit; a file that cannot be read is refused with
    // a message, the text left as it was.
    void openFile(const QString &path);

    void bt_Übernehmen_Click();
    void bt_Öffnen_Click();
    void bt_Speichern_Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString typedText() const;
    int limit() const;
    void showSplit(const QString &text);
    void textChanged();
    // The folder a file dialog starts in: the one used last, else the user's documents.
    QString startFolder() const;
    // Remembers the file's folder and names the file in the title.
    void fileUsed(const QString &path);

    Session &m_session;
    const QString m_dataFolder;
    KeptText m_kept;
    TextBox *m_text = nullptr;
    QLabel *m_sicherung = nullptr;
    QPlainTextEdit *m_aufteilung = nullptr;
    QPushButton *m_uebernehmen = nullptr;
};
