#include "split_window/split_window.h"

#include "between_runs/settings_file.h"
#include "state/session.h"
#include "text_file/text_file.h"
#include "text_split/take_message.h"
#include "text_split/text_split.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextCursor>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// A long text shows its first messages only, so that every keystroke stays quick.
constexpr qsizetype kShownMessages = 25;
constexpr int kTextRows = 8;
constexpr int kSplitRows = 16;

const QString kFolderKey = u"Text verteilen/Ordner"_s;

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
// A text file dropped on it is opened, not named.
class TextBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    std::function<void(const QString &path)> fileDropped;

    // Goes back to wrapping at word boundaries once no long word is left.
    void wrapWordsAgainIfShort()
    {
        if (wordWrapMode() == QTextOption::WrapAnywhere && !hasLongWord(document()->toRawText()))
            setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    // Replaces the whole text in one edit, which Ctrl+Z takes back, and goes to its start.
    void replaceAll(const QString &text)
    {
        wrapAnywhereForLongWords(text);
        QTextCursor all(document());
        all.select(QTextCursor::Document);
        all.insertText(text);
        moveCursor(QTextCursor::Start);
    }

protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        wrapAnywhereForLongWords(source->text());
        QPlainTextEdit::insertFromMimeData(source);
    }
    bool canInsertFromMimeData(const QMimeData *source) const override
    {
        return !droppedFile(source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
    }
    void dropEvent(QDropEvent *event) override
    {
        const QString path = droppedFile(event->mimeData());
        if (path.isEmpty())
            return QPlainTextEdit::dropEvent(event);
        event->acceptProposedAction();
        // Not inside the drop: a message box there would hold up the program it came from.
        QMetaObject::invokeMethod(
            this, [this, path] { fileDropped(path); }, Qt::QueuedConnection);
    }

private:
    static QString droppedFile(const QMimeData *source)
    {
        const QList<QUrl> urls = source->urls();
        return !urls.isEmpty() && urls.first().isLocalFile() ? urls.first().toLocalFile()
                                                             : QString();
    }
    void wrapAnywhereForLongWords(const QString &text)
    {
        if (hasLongWord(text))
            setWordWrapMode(QTextOption::WrapAnywhere);
    }
};

SplitWindow::SplitWindow(Session &session, const QString &dataFolder)
    : m_session(session), m_dataFolder(dataFolder), m_kept(dataFolder)
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
    m_text->fileDropped = [this](const QString &path) { openFile(path); };
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

    // Under the text it concerns; shown only while the text is not kept.
    m_sicherung = new QLabel(this);
    m_sicherung->setObjectName(u"Sicherung"_s);
    m_sicherung->setWordWrap(true);
    const auto showProblem = [this](const QString &problem) {
        m_sicherung->setText(problem);
        m_sicherung->setHidden(problem.isEmpty());
    };
    showProblem(m_kept.problem());
    connect(&m_kept, &KeptText::problemChanged, this, showProblem);

    // The buttons take the focus but never Enter, which breaks the text's lines.
    const auto addButton = [this](const QString &name, const QString &caption,
                                  void (SplitWindow::*handler)()) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAccessibleName(QString(caption).remove(u'&').remove(u"..."_s));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    QPushButton *oeffnen =
        addButton(u"bt_Öffnen"_s, u"Ö&ffnen..."_s, &SplitWindow::bt_Öffnen_Click);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, oeffnen,
            &QPushButton::click);
    QPushButton *speichern =
        addButton(u"bt_Speichern"_s, u"&Speichern unter..."_s, &SplitWindow::bt_Speichern_Click);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, speichern,
            &QPushButton::click);
    m_uebernehmen =
        addButton(u"bt_Übernehmen"_s, u"&Übernehmen"_s, &SplitWindow::bt_Übernehmen_Click);

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(textLabel, 0, 0);
    layout->addWidget(m_text, 1, 0);
    layout->addWidget(m_sicherung, 2, 0);
    layout->addWidget(splitLabel, 3, 0);
    layout->addWidget(m_aufteilung, 4, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(oeffnen);
    buttons->addWidget(speichern);
    buttons->addStretch();
    buttons->addWidget(m_uebernehmen);
    layout->addLayout(buttons, 5, 0);

    // The text as the last run left it, which Ctrl+Z does not take away.
    m_text->replaceAll(m_kept.text());
    m_text->document()->clearUndoRedoStacks();
    QTextCursor cursor = m_text->textCursor();
    cursor.setPosition(m_kept.cursor());
    m_text->setTextCursor(cursor);
    connect(m_text, &QPlainTextEdit::textChanged, this, &SplitWindow::textChanged);
    connect(m_text, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { m_kept.setCursor(m_text->textCursor().position()); });
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
    showSplit(typedText());
}

void SplitWindow::textChanged()
{
    const QString text = typedText();
    showSplit(text);
    m_kept.setText(text, m_text->textCursor().position());
}

void SplitWindow::showSplit(const QString &text)
{
    m_text->wrapWordsAgainIfShort();
    const TextSplit split = splitText(text, limit(), kShownMessages);
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

QString SplitWindow::startFolder() const
{
    const QString used = settingsIn(m_dataFolder).value(kFolderKey).toString();
    return !used.isEmpty() && QFileInfo(used).isDir()
               ? used
               : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void SplitWindow::fileUsed(const QString &path)
{
    settingsIn(m_dataFolder).setValue(kFolderKey, QFileInfo(path).absolutePath());
    setWindowTitle(u"Text verteilen – %1"_s.arg(QFileInfo(path).fileName()));
}

void SplitWindow::openFile(const QString &path)
{
    const TextFileContents file = readTextFile(path);
    if (!file.failure.isEmpty()) {
        m_session.dialogs.inform(u"„%1“ kann nicht geöffnet werden.\n\n%2"_s.arg(
                                     QDir::toNativeSeparators(path), file.failure),
                                 u"Öffnen"_s);
        return;
    }
    m_text->replaceAll(file.text);
    fileUsed(path);
}

void SplitWindow::bt_Öffnen_Click()
{
    const QString path =
        m_session.dialogs.fileName(Dialogs::FileUse::Open, u"Öffnen"_s, startFolder());
    if (!path.isEmpty())
        openFile(path);
}

void SplitWindow::bt_Speichern_Click()
{
    const QString path =
        m_session.dialogs.fileName(Dialogs::FileUse::Save, u"Speichern unter"_s, startFolder());
    if (path.isEmpty())
        return;
    const QString failure = writeTextFile(path, typedText());
    if (!failure.isEmpty()) {
        m_session.dialogs.inform(u"„%1“ kann nicht gespeichert werden.\n\n%2"_s.arg(
                                     QDir::toNativeSeparators(path), failure),
                                 u"Speichern unter"_s);
        return;
    }
    fileUsed(path);
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
