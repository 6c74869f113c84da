#include "app/form1.h"

#include "codes/alignment_settings.h"
#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "layout/clearing.h"
#include "layout/evaluation.h"
#include "widgets/controls.h"
#include "widgets/secondary_window.h"
#include "widgets/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>

#include <limits>

namespace {

constexpr QSize kClientArea = twipsSize(6045, 5805);

// The output box copies plain text alone: the rich-text and Markdown copies that the toolkit
// would add take time that grows with the square of the text's length.
class PlainTextBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData *createMimeDataFromSelection() const override
    {
        auto *data = new QMimeData;
        data->setText(textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'));
        return data;
    }
};

} // namespace

Form1::Form1(Module1 &state, Dialogs &dialogs, const QString &dataFolder)
    : m_session{state, *this, dialogs, QLocale::system()}, m_dataFolder(dataFolder),
      m_besideVorschau(*this, dataFolder), m_besideTextVerteilen(*this, dataFolder)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tarvolin 2000 v.3.00.00"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *clientArea = new QWidget(this);
    clientArea->setFixedSize(kClientArea);
    setCentralWidget(clientArea);

    buildMenus();
    buildToolbar(clientArea);
    // The frames come first in the focus chain but take no focus; the rest follows it in order.
    buildInputFrame(clientArea);
    buildOutputFrame(clientArea);
    const std::array<QWidget *, 11> tabChain{
        t_Zeile1[0],
        t_Zeile1[1],
        t_Zeile1[2],
        t_Zeile1[3],
        findChild<QPushButton *>(QStringLiteral("bt_Auswerten")),
        Zindral,
        findChild<QPushButton *>(QStringLiteral("bt_Refresh_0")),
        findChild<QPushButton *>(QStringLiteral("bt_Refresh_1")),
        findChild<QPushButton *>(QStringLiteral("bt_Refresh_2")),
        findChild<QPushButton *>(QStringLiteral("bt_Refresh")),
        findChild<QPushButton *>(QStringLiteral("bt_Refresh_All"))};
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);

    setFixedSize(kClientArea.width(), kClientArea.height() + menuBar()->sizeHint().height());
    t_Zeile1[0]->setFocus();
    Form_Load();
}

Form1::~Form1()
{
    // The secondary windows have no owner, so nothing else would take them down.
    delete m_dialog.data();
    delete m_dialog1.data();
    delete m_vorschau.data();
    delete m_textVerteilen.data();
}

void Form1::addMenuItem(QMenu *menu, const QString &name, const QString &caption,
                        void (Form1::*handler)())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, handler);
}

void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("Datei"));
    addMenuItem(datei, QStringLiteral("Beenden"), QStringLiteral("&Beenden"),
                &Form1::Beenden_Click);

    QMenu *optionen = bar->addMenu(QStringLiteral("&Messsageoptionen"));
    optionen->setObjectName(QStringLiteral("Optionen"));
    addMenuItem(optionen, QStringLiteral("Geschwindigkeit"),
                QStringLiteral("Schrift&geschwindigkeit"), &Form1::Geschwindigkeit_Click);
    addMenuItem(optionen, QStringLiteral("Farbe"), QStringLiteral("&Farbe"), &Form1::Farbe_Click);
    addMenuItem(optionen, QStringLiteral("Ausrichtung"), QStringLiteral("Aus&richtung"),
                &Form1::Ausrichtung_Click);
    addMenuItem(optionen, QStringLiteral("Schließen"), QStringLiteral("Au&tomatisches Schließen"),
                &Form1::Schließen_Click);
    addMenuItem(optionen, QStringLiteral("Face"), QStringLiteral("&Face On/Off"),
                &Form1::Face_Click);
    addMenuItem(optionen, QStringLiteral("Symbole"), QStringLiteral("S&ymbole"),
                &Form1::Symbole_Click);
    addMenuItem(optionen, QStringLiteral("Pünktchen"), QStringLiteral("...(Schweigen)"),
                &Form1::Pünktchen_Click);
    addMenuItem(optionen, QStringLiteral("Vorschau"), QStringLiteral("&Vorschau"),
                &Form1::Vorschau_Click);
    addMenuItem(optionen, QStringLiteral("TextVerteilen"), QStringLiteral("T&ext verteilen"),
                &Form1::TextVerteilen_Click);

    QMenu *hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("Hilfe"));
    addMenuItem(hilfe, QStringLiteral("About"), QStringLiteral("Abo&ut"), &Form1::About_Click);
}

void Form1::buildToolbar(QWidget *clientArea)
{
    // A plain child of the client area, so it can neither be moved nor hidden.
    Toolbar1 = new QToolBar(clientArea);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setAccessibleName(QStringLiteral("Ausrichtung und Face"));
    Toolbar1->setGeometry(twipsRect(0, 0, 6045, 330));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->toggleViewAction()->setVisible(false);
    Toolbar1->setContentsMargins(0, 0, 0, 0);
    Toolbar1->layout()->setContentsMargins(0, 0, 0, 0);
    Toolbar1->layout()->setSpacing(0);

    const std::array<std::pair<QString, QString>, 4> buttons{{
        {QStringLiteral("Links"), QStringLiteral("Richtet die Message links aus.")},
        {QStringLiteral("Zentriert"), QStringLiteral("Zentriert die Zindral.")},
        {QStringLiteral("Rechts"), QStringLiteral("Richtet die Message rechts.")},
        {QStringLiteral("Face On/Off"), QStringLiteral("Layout für Brumwick.")},
    }};
    for (const auto &[text, tooltip] : buttons) {
        QAction *action = Toolbar1->addAction(text);
        action->setToolTip(tooltip);
        QWidget *button = Toolbar1->widgetForAction(action);
        button->setFixedSize(twipsSize(1305, 330));
        button->setAccessibleName(text);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this, &Form1::Toolbar1_ButtonClick);
}

void Form1::buildInputFrame(QWidget *clientArea)
{
    const QRect frameRect = twipsRect(0, 360, 6015, 2175);
    QGroupBox *frame =
        makeFrame(clientArea, QStringLiteral("Frame1"), QStringLiteral("Eingabe"), frameRect);
    // Positions are drawn against the window; the controls live in the frame.
    const QPoint origin = -frameRect.topLeft();

    const std::array<QString, kLineCount> refreshNames{
        QStringLiteral("bt_Refresh_0"), QStringLiteral("bt_Refresh_1"),
        QStringLiteral("bt_Refresh_2"), QStringLiteral("bt_Refresh")};
    const std::array<void (Form1::*)(), kLineCount> refreshHandlers{
        &Form1::bt_Refresh_0_Click, &Form1::bt_Refresh_1_Click, &Form1::bt_Refresh_2_Click,
        &Form1::bt_Refresh_Click};
    for (int i = 0; i < kLineCount; ++i) {
        const int top = 720 + 360 * i;
        const QString caption = QStringLiteral("Zeile %1").arg(i + 1);
        t_Zeile1[i] = place(new QLineEdit(caption, frame), QStringLiteral("t_Zeile1_%1").arg(i),
                            caption, twipsRect(480, top, 4575, 285).translated(origin));
        t_Zeile1[i]->setMaxLength(std::numeric_limits<int>::max());

        QPushButton *refresh = makeButton(frame, refreshNames[i], QStringLiteral("Refresh"),
                                          twipsRect(5160, top, 735, 255).translated(origin));
        refresh->setAccessibleName(QStringLiteral("Refresh Zeile %1").arg(i + 1));
        connect(refresh, &QPushButton::clicked, this, refreshHandlers[i]);
    }
    QPushButton *refreshAll =
        makeButton(frame, QStringLiteral("bt_Refresh_All"), QStringLiteral("Refresh All"),
                   twipsRect(4920, 2160, 975, 255).translated(origin));
    connect(refreshAll, &QPushButton::clicked, this, &Form1::bt_Refresh_All_Click);

    QPushButton *auswerten = makeButton(clientArea, QStringLiteral("bt_Auswerten"),
                                        QStringLiteral("Auswerten"), twipsRect(0, 2640, 6015, 495));
    connect(auswerten, &QPushButton::clicked, this, &Form1::bt_Auswerten_Click);
}

void Form1::buildOutputFrame(QWidget *clientArea)
{
    const QRect frameRect = twipsRect(0, 3240, 6015, 2535);
    QGroupBox *frame =
        makeFrame(clientArea, QStringLiteral("Frame2"), QStringLiteral("Ausgabe"), frameRect);
    Zindral = place(new PlainTextBox(frame), QStringLiteral("Zindral"), QStringLiteral("Ausgabe"),
                    twipsRect(120, 3480, 5775, 2175).translated(-frameRect.topLeft()));
    // Tab moves on, as in every other box of the window.
    Zindral->setTabChangesFocus(true);
    // Long lines scroll sideways, so each message line stays one line on screen.
    Zindral->setLineWrapMode(QPlainTextEdit::NoWrap);
}

QString Form1::zeile(int index) const
{
    return t_Zeile1.at(index)->text();
}

void Form1::setZeile(int index, const QString &text)
{
    t_Zeile1.at(index)->setText(text);
}

void Form1::setAusgabe(const QString &text)
{
    Zindral->setPlainText(text);
}

void Form1::Form_Load()
{
    m_session.state.AusrichtungsModus = kCentred;
    m_session.state.Zeilenbreite = kNoFaceWidth;
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button, as in the other windows; in an input line it does nothing,
    // since the window has no default button.
    if (!pressFocusedButtonOnEnter(this, event))
        QMainWindow::keyPressEvent(event);
}

void Form1::Beenden_Click()
{
    close();
}

void Form1::Symbole_Click()
{
    showInFront(secondaryWindow(m_dialog));
}

void Form1::About_Click()
{
    showInFront(secondaryWindow(m_dialog1));
}

void Form1::bt_Auswerten_Click()
{
    evaluate(m_session);
}

void Form1::bt_Refresh_0_Click()
{
    clearLine(*this, 0);
}

void Form1::bt_Refresh_1_Click()
{
    clearLine(*this, 1);
}

void Form1::bt_Refresh_2_Click()
{
    clearLine(*this, 2);
}

void Form1::bt_Refresh_Click()
{
    clearLine(*this, 3);
}

void Form1::bt_Refresh_All_Click()
{
    clearAllLines(*this);
}

void Form1::Ausrichtung_Click()
{
    // The question comes before the change, and no box after it.
    askAlignment(m_session);
    settingsMayChange();
}

void Form1::Face_Click()
{
    settingsMayChange();
    toggleFaceFromMenu(m_session);
}

void Form1::Toolbar1_ButtonClick(QAction *button)
{
    settingsMayChange();
    toolbarButtonClicked(m_session, button->text());
}

void Form1::settingsMayChange()
{
    // Queued, so that the windows follow once the command has changed the settings, even while its
    // confirmation box is still open.
    if (m_vorschau)
        QMetaObject::invokeMethod(m_vorschau, &PreviewWindow::refresh, Qt::QueuedConnection);
    if (m_textVerteilen)
        QMetaObject::invokeMethod(m_textVerteilen, &SplitWindow::refresh, Qt::QueuedConnection);
}

void Form1::Farbe_Click()
{
    addColour(m_session);
}

void Form1::Geschwindigkeit_Click()
{
    addSpeed(m_session);
}

void Form1::Schließen_Click()
{
    addAutoClose(m_session);
}

void Form1::Pünktchen_Click()
{
    addPause(m_session);
}

void Form1::Vorschau_Click()
{
    m_besideVorschau.show(
        secondaryWindow(m_vorschau, std::as_const(*Zindral), std::as_const(m_session.state)));
}

void Form1::TextVerteilen_Click()
{
    m_besideTextVerteilen.show(secondaryWindow(m_textVerteilen, m_session, m_dataFolder));
}

void Form1::openTextFile(const QString &path)
{
    TextVerteilen_Click();
    m_textVerteilen->openFile(path);
}
