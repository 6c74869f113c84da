#include "app/secondary_window.h"
#include "app/twips.h"
#include "symbols/dialog.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList kPlaneten{
    u"Sonne"_s, u"Mond"_s,    u"Merkur"_s, u"Venus"_s,  u"Venus (gespiegelt)"_s,
    u"Mars"_s,  u"Jupiter"_s, u"Saturn"_s, u"Uranus"_s, u"Neptun"_s,
    u"Pluto"_s, u"Sonne 2"_s, u"Mond 2"_s};
const QStringList kKarten{u"Pick leer"_s,  u"Herz leer"_s,  u"Karo leer"_s,  u"Kreuz(leer)"_s,
                          u"Pick(voll)"_s, u"Herz(voll)"_s, u"Karo(voll)"_s, u"Kreuz(voll)"_s};

QStringList allNames()
{
    QStringList names;
    for (int index = 0; index < kSymbolCount; ++index)
        names.append(symbolName(index));
    return names;
}

// The symbol dialog as the main window opens it, driven by mouse and keyboard.
struct DialogFixture {
    QPointer<Dialog> dialog;

    DialogFixture() { open(); }
    ~DialogFixture() { delete dialog.data(); }
    DialogFixture(const DialogFixture &) = delete;
    DialogFixture &operator=(const DialogFixture &) = delete;

    void open()
    {
        showSecondaryWindow(dialog);
        if (!QTest::qWaitForWindowActive(dialog))
            qFatal("the symbol dialog did not become active");
    }

    template <typename T> T *child(const QString &name) const
    {
        T *widget = dialog->findChild<T *>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    QListWidget *list() const { return child<QListWidget>(u"symbol_Liste"_s); }
    QComboBox *combo() const { return child<QComboBox>(u"Combo"_s); }
    QLineEdit *code() const { return child<QLineEdit>(u"tCode"_s); }

    QStringList listTexts() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts.append(list()->item(row)->text());
        return texts;
    }
    QStringList selectedTexts() const
    {
        QStringList texts;
        for (const QListWidgetItem *item : list()->selectedItems())
            texts.append(item->text());
        return texts;
    }

    void click(const QString &button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    // Replaces the whole text of a box as a user does, through the keyboard.
    static void type(QWidget *box, const QString &text)
    {
        box->setFocus(Qt::OtherFocusReason);
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
    }
    void showCategory(const QString &category) const
    {
        type(combo(), category);
        click(u"bt_Liste"_s);
    }
    [[nodiscard]] bool select(const QString &name) const
    {
        const QList<QListWidgetItem *> found = list()->findItems(name, Qt::MatchExactly);
        if (found.size() != 1)
            return false;
        list()->scrollToItem(found.first());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(found.first()).center());
        return selectedTexts() == QStringList{name};
    }
    // Lists a category, selects a name in it and asks for its code.
    [[nodiscard]] bool showCode(const QString &category, const QString &name) const
    {
        showCategory(category);
        if (!select(name))
            return false;
        click(u"bt_Ausgabe"_s);
        return true;
    }
    // Whether the dialog is still the one shown before, once a window that closed itself would
    // have been deleted.
    [[nodiscard]] bool stillLoaded(const Dialog *shown) const
    {
        QTest::qWait(20);
        return dialog && dialog.data() == shown;
    }
    // The contents a user sees; equal after hiding and showing again.
    QStringList contents() const
    {
        return listTexts() + QStringList{u"|"_s} + selectedTexts() +
               QStringList{u"|"_s, combo()->currentText(), code()->text()};
    }
    void verifyInitialContents() const
    {
        QCOMPARE(listTexts(), allNames());
        QCOMPARE(selectedTexts(), QStringList());
        QCOMPARE(combo()->currentText(), u"Alles"_s);
        QCOMPARE(code()->text(), u"Der Code"_s);
    }
};

} // namespace

class TestSymbolDialog : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void opensAsOwnerlessFixedToolWindow();
    void controlsStandWhereDrawn_data();
    void controlsStandWhereDrawn();
    void accessibleNames_data();
    void accessibleNames();
    void startsWithFullListAndNothingSelected();
    void tabOrderFollowsTheLayout();
    void pickedCategoryShowsOnlyOnRefresh();
    void refillByTypedCategory_data();
    void refillByTypedCategory();
    void textNamingNoCategoryKeepsList_data();
    void textNamingNoCategoryKeepsList();
    void codeOfSelectedName_data();
    void codeOfSelectedName();
    void noSelectionEmptiesCode_data();
    void noSelectionEmptiesCode();
    void okHidesAndKeepsContents();
    void showingAgainWhileVisibleResetsNothing();
    void escapeHidesLikeOk_data();
    void escapeHidesLikeOk();
    void enterPressesOnlyTheFocusedButton();
    void closeBoxDiscardsAndReopensAfresh();
};

void TestSymbolDialog::opensAsOwnerlessFixedToolWindow()
{
    DialogFixture f;
    QVERIFY(f.dialog->isWindow());
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.dialog->parentWidget(), nullptr);
    QCOMPARE(f.dialog->windowType(), Qt::Tool);
    QCOMPARE(f.dialog->windowTitle(), u"Dialog Caption"_s);
    QCOMPARE(f.dialog->size(), QSize(402, 177));
    QCOMPARE(f.dialog->minimumSize(), f.dialog->size());
    QCOMPARE(f.dialog->maximumSize(), f.dialog->size());
    const Qt::WindowFlags flags = f.dialog->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!f.dialog->isModal());
}

void TestSymbolDialog::controlsStandWhereDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("OK") << u"OKButton"_s << u"QPushButton"_s << u"Dialog"_s << u"OK"_s
                        << twipsRect(4680, 120, 1215, 375);
    QTest::newRow("frame 1") << u"Frame1"_s << u"QGroupBox"_s << u"Dialog"_s << u"Symbole"_s
                             << twipsRect(0, 0, 4575, 1215);
    QTest::newRow("list") << u"symbol_Liste"_s << u"QListWidget"_s << u"Frame1"_s << QString()
                          << twipsRect(120, 240, 4335, 840);
    QTest::newRow("frame 2") << u"Frame2"_s << u"QGroupBox"_s << u"Dialog"_s << u"Art"_s
                             << twipsRect(0, 1200, 4575, 735);
    QTest::newRow("combo") << u"Combo"_s << u"QComboBox"_s << u"Frame2"_s << QString()
                           << twipsRect(240, 240, 2175, 315);
    QTest::newRow("refresh") << u"bt_Liste"_s << u"QPushButton"_s << u"Frame2"_s
                             << u"Liste aktualisieren"_s << twipsRect(2640, 240, 1815, 315);
    QTest::newRow("frame 3") << u"Frame3"_s << u"QGroupBox"_s << u"Dialog"_s << u"Ausgabe"_s
                             << twipsRect(0, 2040, 6015, 615);
    QTest::newRow("code box") << u"tCode"_s << u"QLineEdit"_s << u"Frame3"_s << QString()
                              << twipsRect(120, 240, 4335, 285);
    QTest::newRow("code button") << u"bt_Ausgabe"_s << u"QPushButton"_s << u"Frame3"_s
                                 << u"Code ausgeben"_s << twipsRect(4560, 240, 1335, 255);
}

void TestSymbolDialog::controlsStandWhereDrawn()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    DialogFixture f;
    auto *widget = f.child<QWidget>(name);
    QVERIFY(widget->inherits(qPrintable(kind)));
    QCOMPARE(widget->parentWidget()->objectName(), frame);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), caption);
        // The caption must not be clipped by the button's border.
        QVERIFY(button->fontMetrics().horizontalAdvance(caption) < button->width() - 2);
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        QCOMPARE(group->title(), caption);
    }
}

void TestSymbolDialog::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");

    QTest::newRow("OK") << u"OKButton"_s << u"OK"_s;
    QTest::newRow("frame 1") << u"Frame1"_s << u"Symbole"_s;
    QTest::newRow("list") << u"symbol_Liste"_s << u"Symbole"_s;
    QTest::newRow("frame 2") << u"Frame2"_s << u"Art"_s;
    QTest::newRow("combo") << u"Combo"_s << u"Art"_s;
    QTest::newRow("refresh") << u"bt_Liste"_s << u"Liste aktualisieren"_s;
    QTest::newRow("frame 3") << u"Frame3"_s << u"Ausgabe"_s;
    QTest::newRow("code box") << u"tCode"_s << u"Code"_s;
    QTest::newRow("code button") << u"bt_Ausgabe"_s << u"Code ausgeben"_s;
}

void TestSymbolDialog::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    DialogFixture f;
    auto *widget = f.child<QWidget>(name);
    QCOMPARE(widget->accessibleName(), accessibleName);
    // On Unix an editable combo box reports its text as its name and is named by relation.
    if (qobject_cast<QComboBox *>(widget))
        return;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), accessibleName);
}

void TestSymbolDialog::startsWithFullListAndNothingSelected()
{
    DialogFixture f;
    f.verifyInitialContents();
    QCOMPARE(f.listTexts().first(), u"Schwert"_s);
    QCOMPARE(f.listTexts().last(), u"Pfeil nach Unten Links"_s);
    QVERIFY(f.combo()->isEditable());
    QCOMPARE(f.combo()->count(), 7);
    QStringList items;
    for (int i = 0; i < f.combo()->count(); ++i)
        items.append(f.combo()->itemText(i));
    QCOMPARE(items, (QStringList{u"Alles"_s, u"Sonstiges"_s, u"Planeten"_s, u"Sternzeichen"_s,
                                 u"Smiley"_s, u"Karten"_s, u"Pfeile"_s}));
    QCOMPARE(f.list()->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!f.list()->isSortingEnabled());
    QVERIFY(!f.code()->isReadOnly());
}

void TestSymbolDialog::tabOrderFollowsTheLayout()
{
    DialogFixture f;
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 6; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{u"OKButton"_s, u"symbol_Liste"_s, u"Combo"_s, u"bt_Liste"_s,
                                   u"tCode"_s, u"bt_Ausgabe"_s, u"OKButton"_s}));
    // The list took the focus on its way without selecting an entry.
    QCOMPARE(f.selectedTexts(), QStringList());
}

void TestSymbolDialog::pickedCategoryShowsOnlyOnRefresh()
{
    DialogFixture f;
    f.combo()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f.combo(), Qt::Key_Down);
    QTest::keyClick(f.combo(), Qt::Key_Down);
    QCOMPARE(f.combo()->currentText(), u"Planeten"_s);
    QCOMPARE(f.listTexts(), allNames());

    f.click(u"bt_Liste"_s);
    QCOMPARE(f.listTexts(), kPlaneten);
    QCOMPARE(f.listTexts().sliced(10), (QStringList{u"Pluto"_s, u"Sonne 2"_s, u"Mond 2"_s}));
    QCOMPARE(f.selectedTexts(), QStringList());
    QCOMPARE(f.code()->text(), u"Der Code"_s);
}

void TestSymbolDialog::refillByTypedCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("names");

    const QStringList all = allNames();
    QTest::newRow("Alles") << u"Alles"_s << all;
    QTest::newRow("Sonstiges") << u"Sonstiges"_s
                               << QStringList{u"Schwert"_s,   u"Schild"_s,         u"Hexagramm"_s,
                                              u"Totenkopf"_s, u"Heiliges Kreuz"_s, u"Punkt"_s};
    QTest::newRow("Planeten") << u"Planeten"_s << kPlaneten;
    QTest::newRow("Sternzeichen") << u"Sternzeichen"_s << all.sliced(14, 12);
    QTest::newRow("Smiley") << u"Smiley"_s
                            << QStringList{u"Smiley grinst"_s, u"Smiley neutral"_s,
                                           u"Smiley b\u00f6se"_s, u"Ein Tropfen"_s,
                                           u"Zwei Tropfen"_s};
    QTest::newRow("Karten") << u"Karten"_s << kKarten;
    QTest::newRow("Pfeile") << u"Pfeile"_s << all.sliced(44);
}

void TestSymbolDialog::refillByTypedCategory()
{
    QFETCH(QString, category);
    QFETCH(QStringList, names);
    DialogFixture f;
    // Start from another list with a selection, so the refill has something to replace.
    f.showCategory(category == u"Karten" ? u"Planeten"_s : u"Karten"_s);
    QVERIFY(f.select(f.listTexts().last()));

    f.showCategory(category);
    QCOMPARE(f.combo()->currentText(), category);
    QCOMPARE(f.listTexts(), names);
    QCOMPARE(f.selectedTexts(), QStringList());
    QCOMPARE(f.code()->text(), u"Der Code"_s);
}

void TestSymbolDialog::textNamingNoCategoryKeepsList_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("lower case") << u"planeten"_s;
    QTest::newRow("upper case") << u"PFEILE"_s;
    QTest::newRow("blank after") << u"Planeten "_s;
    QTest::newRow("blank before") << u" Alles"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("shortened") << u"Alle"_s;
    QTest::newRow("a glyph name") << u"Schwert"_s;
}

void TestSymbolDialog::textNamingNoCategoryKeepsList()
{
    QFETCH(QString, text);
    DialogFixture f;
    f.showCategory(u"Karten"_s);
    QVERIFY(f.select(u"Herz(voll)"_s));

    f.showCategory(text);
    // The typed text is kept as typed, not turned into a category item.
    QCOMPARE(f.combo()->currentText(), text);
    QCOMPARE(f.combo()->count(), 7);
    QCOMPARE(f.listTexts(), kKarten);
    QCOMPARE(f.selectedTexts(), QStringList{u"Herz(voll)"_s});
    f.click(u"bt_Ausgabe"_s);
    QCOMPARE(f.code()->text(), u"$k"_s);
}

void TestSymbolDialog::codeOfSelectedName_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    QTest::newRow("Schwert") << u"Alles"_s << u"Schwert"_s << u"$A"_s;
    QTest::newRow("Smiley grinst") << u"Alles"_s << u"Smiley grinst"_s << u"$a"_s;
    QTest::newRow("last one") << u"Alles"_s << u"Pfeil nach Unten Links"_s << u"$z"_s;
    QTest::newRow("mirrored Venus in Alles") << u"Alles"_s << u"Venus (gespiegelt)"_s << u"$H"_s;
    QTest::newRow("mirrored Venus in Planeten")
        << u"Planeten"_s << u"Venus (gespiegelt)"_s << u"$H"_s;
    QTest::newRow("Sonne 2") << u"Planeten"_s << u"Sonne 2"_s << u"$p"_s;
    QTest::newRow("Mond") << u"Planeten"_s << u"Mond"_s << u"$E"_s;
    QTest::newRow("Jungrau") << u"Sternzeichen"_s << u"Jungrau"_s << u"$T"_s;
    QTest::newRow("L\u00f6we") << u"Sternzeichen"_s << u"L\u00f6we"_s << u"$S"_s;
    QTest::newRow("Kreuz(leer)") << u"Karten"_s << u"Kreuz(leer)"_s << u"$i"_s;
    QTest::newRow("Punkt") << u"Sonstiges"_s << u"Punkt"_s << u"$r"_s;
}

void TestSymbolDialog::codeOfSelectedName()
{
    QFETCH(QString, category);
    QFETCH(QString, name);
    QFETCH(QString, code);
    DialogFixture f;
    f.showCategory(category);
    QVERIFY(f.select(name));
    // Selecting, even double-clicking, shows nothing by itself.
    QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, {},
                       f.list()->visualItemRect(f.list()->selectedItems().first()).center());
    QCOMPARE(f.code()->text(), u"Der Code"_s);

    f.click(u"bt_Ausgabe"_s);
    QCOMPARE(f.code()->text(), code);
    QCOMPARE(f.selectedTexts(), QStringList{name});
}

namespace {

enum class Before { Opening, TypedText, EarlierCodeThenRefill, ListFocused };

} // namespace

void TestSymbolDialog::noSelectionEmptiesCode_data()
{
    QTest::addColumn<Before>("before");

    QTest::newRow("right after opening") << Before::Opening;
    QTest::newRow("text typed into the code box") << Before::TypedText;
    QTest::newRow("earlier code, then a refill") << Before::EarlierCodeThenRefill;
    QTest::newRow("list focused") << Before::ListFocused;
}

void TestSymbolDialog::noSelectionEmptiesCode()
{
    QFETCH(Before, before);
    DialogFixture f;
    switch (before) {
    case Before::Opening:
        break;
    case Before::TypedText:
        DialogFixture::type(f.code(), u"$A selbst getippt"_s);
        QCOMPARE(f.code()->text(), u"$A selbst getippt"_s);
        break;
    case Before::EarlierCodeThenRefill:
        QVERIFY(f.select(u"Schwert"_s));
        f.click(u"bt_Ausgabe"_s);
        QCOMPARE(f.code()->text(), u"$A"_s);
        f.click(u"bt_Liste"_s);
        break;
    case Before::ListFocused:
        // Focus by Tab, and an entry that is current without being selected.
        f.child<QPushButton>(u"OKButton"_s)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.list());
        f.list()->setCurrentRow(3, QItemSelectionModel::NoUpdate);
        break;
    }
    QCOMPARE(f.selectedTexts(), QStringList());

    f.click(u"bt_Ausgabe"_s);
    QCOMPARE(f.code()->text(), QString());
}

void TestSymbolDialog::okHidesAndKeepsContents()
{
    DialogFixture f;
    QVERIFY(f.showCode(u"Planeten"_s, u"Mars"_s));
    const QStringList before = f.contents();
    QCOMPARE(before.last(), u"$I"_s);
    const Dialog *const shown = f.dialog;

    f.click(u"OKButton"_s);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.stillLoaded(shown));

    f.open();
    QVERIFY(f.dialog && f.dialog.data() == shown);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.contents(), before);
}

void TestSymbolDialog::showingAgainWhileVisibleResetsNothing()
{
    DialogFixture f;
    QVERIFY(f.showCode(u"Smiley"_s, u"Smiley b\u00f6se"_s));
    const QStringList before = f.contents();
    const Dialog *const shown = f.dialog;

    f.open();
    QVERIFY(f.dialog && f.dialog.data() == shown);
    QCOMPARE(f.contents(), before);
    QCOMPARE(before.last(), u"$c"_s);
}

void TestSymbolDialog::escapeHidesLikeOk_data()
{
    QTest::addColumn<QString>("focus");

    for (const char *name : {"OKButton", "symbol_Liste", "Combo", "bt_Liste", "tCode"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestSymbolDialog::escapeHidesLikeOk()
{
    QFETCH(QString, focus);
    DialogFixture f;
    QVERIFY(f.showCode(u"Karten"_s, u"Pick leer"_s));
    const QStringList before = f.contents();
    QCOMPARE(before.last(), u"$f"_s);
    const Dialog *const shown = f.dialog;

    f.child<QWidget>(focus)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.stillLoaded(shown));

    f.open();
    QCOMPARE(f.contents(), before);
}

void TestSymbolDialog::enterPressesOnlyTheFocusedButton()
{
    DialogFixture f;
    DialogFixture::type(f.combo(), u"Planeten"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.listTexts(), allNames());
    QCOMPARE(f.combo()->count(), 7);

    f.code()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.code(), Qt::Key_Return);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.code()->text(), u"Der Code"_s);

    f.child<QPushButton>(u"bt_Liste"_s)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(f.listTexts(), kPlaneten);

    QVERIFY(f.select(u"Mars"_s));
    f.child<QPushButton>(u"bt_Ausgabe"_s)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(f.code()->text(), u"$I"_s);

    f.list()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.list(), Qt::Key_Return);
    QVERIFY(f.dialog->isVisible());

    f.child<QPushButton>(u"OKButton"_s)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!f.dialog->isVisible());
}

void TestSymbolDialog::closeBoxDiscardsAndReopensAfresh()
{
    DialogFixture f;
    QVERIFY(f.showCode(u"Pfeile"_s, u"Pfeil nach Oben"_s));
    QCOMPARE(f.code()->text(), u"$s"_s);

    QVERIFY(f.dialog->close());
    QTRY_VERIFY(f.dialog.isNull());

    f.open();
    QVERIFY(f.dialog);
    f.verifyInitialContents();
}

QTEST_MAIN(TestSymbolDialog)
#include "tst_symbol_dialog.moc"
