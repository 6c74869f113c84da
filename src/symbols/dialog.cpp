#include "symbols/dialog.h"

#include "symbols/symbol_catalogue.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Dialog::Dialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Dialog"_s);
    setWindowTitle(u"Dialog Caption"_s);
    // A tool window gets no task-bar button; it stays a top-level window without an owner.
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(6030, 2655));
    // The close box discards the dialog; the next request loads it afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    QPushButton *okButton =
        makeButton(this, u"OKButton"_s, u"OK"_s, twipsRect(4680, 120, 1215, 375));
    connect(okButton, &QPushButton::clicked, this, &Dialog::OKButton_Click);

    QGroupBox *frame1 = makeFrame(this, u"Frame1"_s, u"Symbole"_s, twipsRect(0, 0, 4575, 1215));
    symbol_Liste = place(new QListWidget(frame1), u"symbol_Liste"_s, u"Symbole"_s,
                         twipsRect(120, 240, 4335, 840));
    symbol_Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    symbol_Liste->setSortingEnabled(false);

    QGroupBox *frame2 = makeFrame(this, u"Frame2"_s, u"Art"_s, twipsRect(0, 1200, 4575, 735));
    Combo = place(new QComboBox(frame2), u"Combo"_s, u"Art"_s, twipsRect(240, 240, 2175, 315));
    Combo->setEditable(true);
    Combo->addItems(symbolCategoryNames());
    // A typed text stays as typed: Enter adds no item, nothing completes it, and the combo box,
    // which matches the text against its items when it loses the focus, does so case-sensitively
    // (as its completer is), so "planeten" is not turned into "Planeten".
    Combo->setInsertPolicy(QComboBox::NoInsert);
    auto *noCompletion = new QCompleter(QStringList(), Combo);
    noCompletion->setCaseSensitivity(Qt::CaseSensitive);
    Combo->setCompleter(noCompletion);
    QPushButton *btListe = makeButton(frame2, u"bt_Liste"_s, u"Liste aktualisieren"_s,
                                      twipsRect(2640, 240, 1815, 315));
    connect(btListe, &QPushButton::clicked, this, &Dialog::bt_Liste_Click);

    QGroupBox *frame3 = makeFrame(this, u"Frame3"_s, u"Ausgabe"_s, twipsRect(0, 2040, 6015, 615));
    tCode = place(new QLineEdit(u"Der Code"_s, frame3), u"tCode"_s, u"Code"_s,
                  twipsRect(120, 240, 4335, 285));
    QPushButton *btAusgabe =
        makeButton(frame3, u"bt_Ausgabe"_s, u"Code ausgeben"_s, twipsRect(4560, 240, 1335, 255));
    connect(btAusgabe, &QPushButton::clicked, this, &Dialog::bt_Ausgabe_Click);

    // The frames take no focus; the controls follow each other as drawn.
    const std::array<QWidget *, 6> tabChain{okButton, symbol_Liste, Combo,
                                            btListe,  tCode,        btAusgabe};
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);
    okButton->setFocus();

    // The close box deletes the dialog, so constructing it is loading it.
    Form_Load();
}

void Dialog::reject()
{
    hide();
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    if (!pressFocusedButtonOnEnter(this, event))
        QDialog::keyPressEvent(event);
}

void Dialog::Form_Load()
{
    symbol_Liste->clear();
    symbol_Liste->addItems(symbolNames());
}

void Dialog::bt_Liste_Click()
{
    const auto names = symbolNamesIn(Combo->currentText());
    if (!names)
        return;
    symbol_Liste->clear();
    symbol_Liste->addItems(*names);
}

void Dialog::bt_Ausgabe_Click()
{
    const QList<QListWidgetItem *> selected = symbol_Liste->selectedItems();
    const QString name = selected.isEmpty() ? QString() : selected.first()->text();
    tCode->setText(symbolCodeOf(name).value_or(QString()));
}

void Dialog::OKButton_Click()
{
    hide();
}
