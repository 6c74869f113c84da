#include "preview/preview_window.h"

#include "preview/message_canvas.h"
#include "state/module1.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// Words take room only while they say something.
void showWords(QLabel *label, const QString &words)
{
    label->setText(words);
    label->setHidden(words.isEmpty());
}

} // namespace

PreviewWindow::PreviewWindow(const QPlainTextEdit &outputBox, const Module1 &state)
    : m_outputBox(outputBox), m_state(state)
{
    setObjectName(u"Vorschau"_s);
    setWindowTitle(u"Vorschau"_s);
    // Like the other secondary windows: no task-bar button, a close box only. It holds nothing of
    // its own, so closing it discards it.
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    m_canvas = new MessageCanvas(this);
    m_canvas->setObjectName(u"Nachricht"_s);
    m_canvas->setAccessibleName(u"Nachrichtenfenster"_s);
    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName(u"Hinweis"_s);
    m_hinweis->setWordWrap(true);
    m_zustand = new QLabel(this);
    m_zustand->setObjectName(u"Zustand"_s);
    auto *play = new QPushButton(u"Abspielen"_s, this);
    play->setObjectName(u"bt_Abspielen"_s);
    play->setAutoDefault(false);
    connect(play, &QPushButton::clicked, this, &PreviewWindow::bt_Abspielen_Click);

    // The words take room only while they say something, so the window stays as small as the
    // message; lines below the message window make it grow downwards.
    auto *words = new QVBoxLayout;
    words->addWidget(m_hinweis);
    words->addWidget(m_zustand);
    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_canvas, 0, 0, 1, 2);
    layout->addLayout(words, 1, 0, Qt::AlignTop);
    layout->addWidget(play, 1, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);
    play->setFocus();

    m_clock.setInterval(1000 / kFramesPerSecond);
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &PreviewWindow::showPlayback);
    connect(&outputBox, &QPlainTextEdit::textChanged, this, &PreviewWindow::refresh);
    refresh();
}

void PreviewWindow::refresh()
{
    m_clock.stop();
    showWords(m_zustand, {});
    // The box's own lines, as far as the preview lays them out: reading all of a long text would
    // cost more than drawing it. Like a copy of the box, they keep every character as it stands.
    const QTextDocument *document = m_outputBox.document();
    QStringList lines;
    for (QTextBlock line = document->begin();
         line.isValid() && lines.size() < kWindowRows + kRowsBelow; line = line.next())
        lines << line.text();
    MessagePreview preview = previewMessage(lines.join(u'\n'), m_state.Zeilenbreite);
    preview.lineCount = document->blockCount();
    showWords(m_hinweis, previewNotes(preview).join(u' '));
    m_canvas->setPreview(preview);
}

void PreviewWindow::bt_Abspielen_Click()
{
    m_played.start();
    m_clock.start();
    showPlayback();
}

void PreviewWindow::showPlayback()
{
    m_canvas->setFrame(m_played.elapsed() * kFramesPerSecond / 1000);
    switch (*m_canvas->step()) {
    case PlaybackStep::Writing:
        showWords(m_zustand, u"Die Nachricht wird geschrieben …"_s);
        return;
    case PlaybackStep::WaitingForKey:
        showWords(m_zustand, u"Die Nachricht wartet auf eine Taste."_s);
        break;
    case PlaybackStep::Closed:
        showWords(m_zustand, u"Das Fenster hat sich von selbst geschlossen."_s);
        break;
    }
    m_clock.stop();
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    // Nothing to cancel: Esc leaves the window open.
    if (event->key() == Qt::Key_Escape)
        event->accept();
    else if (!pressFocusedButtonOnEnter(this, event))
        QDialog::keyPressEvent(event);
}
