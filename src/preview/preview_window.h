#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class MessageCanvas;
class QLabel;
class QPlainTextEdit;
struct Module1;

// The output box's text as the game's message window shows it, redrawn whenever the text changes,
// and played at its speed. It only reads the output box and the line width. A dialog, so that
// screen readers take it for a window.
class PreviewWindow final : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(const QPlainTextEdit &outputBox, const Module1 &state);

    // Draws the text afresh for the current line width; a playback stops.
    void refresh();

    void bt_Abspielen_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPlayback();

    const QPlainTextEdit &m_outputBox;
    const Module1 &m_state;
    MessageCanvas *m_canvas = nullptr;
    QLabel *m_hinweis = nullptr;
    QLabel *m_zustand = nullptr;
    QTimer m_clock;
    QElapsedTimer m_played;
};
