#include "split_window/split_window.h"

#include "state/session.h"
#include "text_split/take_message.h"
#include "text_split/text_split.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

using namespace Qt::Literals::StringLiterals;

namespace {

// A long text shows its first messages only, so that every keystroke stays quick.
constexpr qsizetype kShownMessages = 25;
constexpr int kTextRows = 8;
constexpr int kSplitRows = 16;

QString overview(const TextSplit &split)
{
    if (split.messageCount == 0)
        return u"Der Text ergibt keine Nachricht."_s;
    QStringList lines{split.messageCount == 1
                          ? u"Der Text ergibt 1 Nachricht."_s
                          : u"Der Text ergibt %1 Nachrichten."_s.arg(split.messageCount)};
    for (qsizetype i = 0; i < split.messages.size(); ++i) {
        // Where a message stops inside a sentence, a blank line or a word would help.
        const QString heading = split.messages[i].endsMidSentence
                                    ? u"Nachricht %1 (endet mitten im Satz)"_s
                                    : u"Nachricht %1"_s;
        lines << QString() << heading.arg(i + 1) << split.messages[i].lines;
    }
    if (split.messageCount > split.messages.size())
        lines << QString()
              << u"Nachrichten %1 bis %2 sind hier nicht gezeigt."_s.arg(split.messages.size() + 1)
                     .arg(split.messageCount);
    return lines.join(u'\n');
}

// Laying out a line that wraps at word boundaries takes time that grows with the square of its
// longest stretch without one; past this length a line wraps anywhere instead.
constexpr qsizetype kLongestWrappedWord = 4096;

bool hasLongWord(QStringView text)
{
    qsizetype word = 0;
    for (const QChar ch : text) {
        const bool ends = ch == u' ' || ch == u'\n' || ch == u'\r' ||
                          ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator;
        word = ends ? 0 : word + 1;
        if (word > kLongestWrappedWord)
            return true;
    }
    return false;
}

// The room a text box needs for lines of `columns` characters of its font, and `rows` of them.
QSize textRoom(const QPlainTextEdit *box, int columns, int rows)
{
    const QFontMetrics metrics(box->font());
    const int margins = 2 * (box->frameWidth() + int(box->document()->documentMargin())) + 2;
    return {metrics.horizontalAdvance(QString(columns, u'x')) + margins +
                box->verticalScrollBar()->sizeHint().width(),
            rows * metrics.lineSpacing() + margins};
}

} // namespace

// The text box decides how to wrap before pasted text is laid out: afterwards would be too late.
class TextBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    // Goes back to wrapping at word boundaries once no long word is left.
    void wrapWordsAgainIfShort()
    {
        if (wordWrapMode() == QTextOption::WrapAnywhere && !hasLongWord(document()->toRawText()))
            setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        if (hasLongWord(source->text()))
            setWordWrapMode(QTextOption::WrapAnywhere);
        QPlainTextEdit::insertFromMimeData(source);
    }
};

SplitWindow::SplitWindow(Session &session) : m_session(session)
{
    setObjectName(u"TextVerteilen"_s);
    setWindowTitle(u"Text verteilen"_s);
    // Like the other secondary windows: no task-bar button, a close box only.
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    m_text = new TextBox(this);
    m_text->setObjectName(u"Text"_s);
    m_text->setAccessibleName(u"Text"_s);
    m_text->setTabChangesFocus(true);
    m_text->installEventFilter(this);
    auto *textLabel = new QLabel(u"&Text:"_s, this);
    textLabel->setBuddy(m_text);

    m_aufteilung = new QPlainTextEdit(this);
    m_aufteilung->setObjectName(u"Aufteilung"_s);
    m_aufteilung->setAccessibleName(u"Aufteilung"_s);
    m_aufteilung->setReadOnly(true);
    m_aufteilung->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_aufteilung->setTabChangesFocus(true);
    m_aufteilung->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Each line as it will stand in its input line, one cell a character as in the game.
    m_aufteilung->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *splitLabel = new QLabel(u"&Aufteilung:"_s, this);
    splitLabel->setBuddy(m_aufteilung);
    // The view holds a line that fills the window; the text box takes its width.
    m_aufteilung->setFixedSize(textRoom(m_aufteilung, kNoFaceWidth + 1, kSplitRows));
    m_text->setFixedHeight(textRoom(m_text, 0, kTextRows).height());

    m_uebernehmen = new QPushButton(u"&Übernehmen"_s, this);
    m_uebernehmen->setObjectName(u"bt_Übernehmen"_s);
    m_uebernehmen->setAccessibleName(u"Übernehmen"_s);
    m_uebernehmen->setAutoDefault(false);
    connect(m_uebernehmen, &QPushButton::clicked, this, &SplitWindow::bt_Übernehmen_Click);

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(textLabel, 0, 0);
    layout->addWidget(m_text, 1, 0);
    layout->addWidget(splitLabel, 2, 0);
    layout->addWidget(m_aufteilung, 3, 0);
    layout->addWidget(m_uebernehmen, 4, 0, Qt::AlignRight);

    connect(m_text, &QPlainTextEdit::textChanged, this, &SplitWindow::refresh);
    refresh();
}

// The text as typed. The box's plain text would turn no-break spaces into blanks; its raw text
// keeps them, and marks its line breaks as paragraph or line separators.
QString SplitWindow::typedText() const
{
    return m_text->document()
        ->toRawText()
        .replace(QChar::ParagraphSeparator, u'\n')
        .replace(QChar::LineSeparator, u'\n');
}

int SplitWindow::limit() const
{
    return splitLimit(m_session.state.AusrichtungsModus, m_session.state.Zeilenbreite);
}

void SplitWindow::refresh()
{
    m_text->wrapWordsAgainIfShort();
    const TextSplit split = splitText(typedText(), limit(), kShownMessages);
    m_uebernehmen->setEnabled(split.messageCount > 0);
    // Typing keeps the view where the user has scrolled it.
    const int scrolled = m_aufteilung->verticalScrollBar()->value();
    m_aufteilung->setPlainText(overview(split));
    m_aufteilung->verticalScrollBar()->setValue(scrolled);
}

void SplitWindow::bt_Übernehmen_Click()
{
    const QString text = typedText();
    const TextSplit split = splitText(text, limit(), 2);
    if (split.messages.isEmpty())
        return;
    takeMessage(m_session, split.messages.first().lines);
    // The rest stays as typed. One edit of the box, so that Ctrl+Z brings the message back.
    QTextCursor taken(m_text->document());
    taken.setPosition(split.messages.size() > 1 ? split.messages[1].start : text.size(),
                      QTextCursor::KeepAnchor);
    taken.removeSelectedText();
}

void SplitWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_text->setFocus();
}

bool SplitWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+Enter takes the message, so the keyboard need not leave the text; Enter alone breaks
    // the line.
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            m_uebernehmen->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
