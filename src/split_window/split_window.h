#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class TextBox;
struct Session;

// "Text verteilen": lays a whole text into messages that fit the message window, and takes them,
// one by one, into the input lines. It holds the user's text, so closing it only hides it.
class SplitWindow final : public QDialog {
    Q_OBJECT

public:
    explicit SplitWindow(Session &session);

    // Shows how the text splits now, with the current settings.
    void refresh();

    void bt_Übernehmen_Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString typedText() const;
    int limit() const;

    Session &m_session;
    TextBox *m_text = nullptr;
    QPlainTextEdit *m_aufteilung = nullptr;
    QPushButton *m_uebernehmen = nullptr;
};
