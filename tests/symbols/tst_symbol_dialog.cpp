#include "app/secondary_window.h"
#include "symbols/dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The symbol dialog as the main window opens it, driven by mouse and keyboard.
class TestSymbolDialog : public QObject {
    Q_OBJECT

    QPointer<Dialog> m_dialog;

    QWidget *child(const QString &name) const { return m_dialog->findChild<QWidget *>(name); }
    QListWidget *list() const { return static_cast<QListWidget *>(child(u"symbol_Liste"_s)); }
    QComboBox *combo() const { return static_cast<QComboBox *>(child(u"Combo"_s)); }
    QLineEdit *code() const { return static_cast<QLineEdit *>(child(u"tCode"_s)); }
    void click(const QString &button) const { QTest::mouseClick(child(button), Qt::LeftButton); }
    // What the user sees: combo text, code, then the list with "*" after the selected name.
    QStringList contents() const
    {
        QStringList shown{combo()->currentText(), code()->text()};
        for (int row = 0; row < list()->count(); ++row)
            shown << list()->item(row)->text() + (list()->item(row)->isSelected() ? u"*"_s : u""_s);
        return shown;
    }
    // Types a category and lists it, then double-clicks a name in the list;
    // gives what was shown just before the list button.
    QStringList pick(const QString &category, const QString &name) const
    {
        combo()->setFocus(Qt::OtherFocusReason);
        combo()->clearEditText();
        QTest::keyClicks(combo(), category);
        const QStringList typed = contents();
        click(u"bt_Liste"_s);
        if (QListWidgetItem *item = list()->findItems(name, Qt::MatchExactly).value(0)) {
            list()->scrollToItem(item);
            const QPoint centre = list()->visualItemRect(item).center();
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
        }
        return typed;
    }

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void init()
    {
        showSecondaryWindow(m_dialog);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    }
    void cleanup() { delete m_dialog.data(); }

    void listAndCode_data()
    {
        QTest::addColumn<QString>("category"); // typed into the combo box
        QTest::addColumn<QString>("name");     // picked in the list afterwards, if any
        QTest::addColumn<QString>("expectedCode");
        QTest::newRow("Schwert") << u"Alles"_s << u"Schwert"_s << u"$A"_s;
        QTest::newRow("last") << u"Alles"_s << u"Pfeil nach Unten Links"_s << u"$z"_s;
        QTest::newRow("Venus in Alles") << u"Alles"_s << u"Venus (gespiegelt)"_s << u"$H"_s;
        QTest::newRow("Venus in Planeten") << u"Planeten"_s << u"Venus (gespiegelt)"_s << u"$H"_s;
        QTest::newRow("refill, none picked") << u"Karten"_s << QString() << QString();
        // No category: list and selection stay, so the code is that of "Herz(voll)".
        for (const QString &text : {u"planeten"_s, u"Planeten "_s, u" Alles"_s, QString()})
            QTest::addRow("'%s'", qPrintable(text)) << text << QString() << u"$k"_s;
    }
    void listAndCode()
    {
        QFETCH(QString, category);
        QFETCH(QString, name);
        QFETCH(QString, expectedCode);
        pick(u"Karten"_s, u"Herz(voll)"_s);
        code()->setText(u"$A getippt"_s);
        const QStringList karten = contents().sliced(2);
        QCOMPARE(pick(category, name).sliced(2), karten); // nothing changes before the button
        // The selection gives the code, not the entry that merely has the focus frame.
        list()->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        QCOMPARE(contents().at(1), u"$A getippt"_s);
        click(u"bt_Ausgabe"_s);
        QStringList listed;
        for (int index : symbolCategoryEntries(category).value_or(QList<int>()))
            listed << symbolName(index) + (symbolName(index) == name ? u"*"_s : u""_s);
        QCOMPARE(contents(),
                 (QStringList{category, expectedCode} + (listed.isEmpty() ? karten : listed)));
    }

    void hidingKeepsAndClosingDiscards()
    {
        // Fresh: "Alles" and "Der Code" over the full list, as "Liste aktualisieren" gives it.
        const QStringList fresh = contents();
        QCOMPARE(fresh.first(2), (QStringList{u"Alles"_s, u"Der Code"_s}));
        pick(u"Alles"_s, QString());
        QCOMPARE(contents(), fresh);
        QCOMPARE(m_dialog->windowTitle(), u"Dialog Caption"_s);
        QCOMPARE(m_dialog->windowType(), Qt::Tool); // no task-bar button
        pick(u"Planeten"_s, u"Mars"_s);
        click(u"bt_Ausgabe"_s);
        const QStringList before = contents();
        // "OK" and Esc only hide: showing again brings back the same dialog as it was left.
        for (const int key : {0, int(Qt::Key_Escape)}) {
            key ? QTest::keyClick(list(), Qt::Key(key)) : click(u"OKButton"_s);
            QVERIFY(m_dialog->isHidden());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            showSecondaryWindow(m_dialog);
            QCOMPARE(contents(), before);
        }
        QVERIFY(m_dialog->close());
        QTRY_VERIFY(m_dialog.isNull());
        showSecondaryWindow(m_dialog);
        QCOMPARE(contents(), fresh);
    }
};

QTEST_MAIN(TestSymbolDialog)
#include "tst_symbol_dialog.moc"
