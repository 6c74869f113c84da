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

using namespace Qt::Literals::StringLiterals;

PreviewWindow::PreviewWindow(const QPlainTextEdit &outputBox, const Module1 &state)
    : m_outputBox(outputBox), m_state(state)
{
    setObjectName(u"Vorschau"_s);
    setWindowTitle(u"Vorschau"_s);
    // Like the other secondary windows: no task-bar button, a close box only.
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    m_canvas = new MessageCanvas(this);
    m_canvas->setObjectName(u"Nachricht"_s);
    m_canvas->setAccessibleName(u"Nachrichtenfenster"_s);
    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName(u"Hinweis"_s);
    m_hinweis->setWordWrap(true);
    m_hinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hinweis->setMinimumHeight(4 * fontMetrics().lineSpacing());
    m_zustand = new QLabel(this);
    m_zustand->setObjectName(u"Zustand"_s);
    auto *play = new QPushButton(u"Abspielen"_s, this);
    play->setObjectName(u"bt_Abspielen"_s);
    connect(play, &QPushButton::clicked, this, &PreviewWindow::bt_Abspielen_Click);

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_canvas, 0, 0, 1, 2);
    layout->addWidget(m_hinweis, 1, 0, 2, 1);
    layout->addWidget(play, 1, 1);
    layout->addWidget(m_zustand, 3, 0, 1, 2);
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
    m_zustand->clear();
    // The box's own lines, as far as the preview lays them out: reading all of a long text would
    // cost more than drawing it. Like a copy of the box, they keep every character as it stands.
    const QTextDocument *document = m_outputBox.document();
    QStringList lines;
    for (QTextBlock line = document->begin();
         line.isValid() && lines.size() < kWindowRows + kRowsBelow; line = line.next())
        lines << line.text();
    MessagePreview preview = previewMessage(lines.join(u'\n'), m_state.Zeilenbreite);
    preview.lineCount = document->blockCount();
    m_hinweis->setText(previewNotes(preview).join(u' '));
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
        m_zustand->setText(u"Die Nachricht wird geschrieben …"_s);
        return;
    case PlaybackStep::WaitingForKey:
        m_zustand->setText(u"Die Nachricht wartet auf eine Taste."_s);
        break;
    case PlaybackStep::Closed:
        m_zustand->setText(u"Das Fenster hat sich von selbst geschlossen."_s);
        break;
    }
    m_clock.stop();
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (!pressFocusedButtonOnEnter(this, event))
        QWidget::keyPressEvent(event);
}
