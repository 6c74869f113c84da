#include "main_window.h"
#include "symbols/symbol_catalogue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

// The symbol dialog as the main window opens it, driven by mouse and keyboard.
class TestSymbolDialog : public QObject {
    Q_OBJECT

    MainWindow f;

    template <typename T> T *find(const char *name) const
    {
        return f.find<T>(name, f.show("Dialog"));
    }
    // What the user sees: the combo text, the code, then the list with "*" after the selection.
    QStringList shown() const
    {
        QStringList texts{find<QComboBox>("Combo")->currentText(),
                          find<QLineEdit>("tCode")->text()};
        for (const QListWidgetItem *item :
             find<QListWidget>("symbol_Liste")->findItems("*", Qt::MatchWildcard))
            texts << item->text() + (item->isSelected() ? "*" : "");
        return texts;
    }
    // Types a category, lists it and selects a name in it, as the user does.
    void pick(const QString &category, const QString &name) const
    {
        auto *combo = find<QComboBox>("Combo");
        combo->setFocus();
        combo->clearEditText();
        QTest::keyClicks(combo, category);
        f.click("bt_Liste", f.show("Dialog"));
        auto *list = find<QListWidget>("symbol_Liste");
        for (QListWidgetItem *item : list->findItems(name, Qt::MatchExactly)) {
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
        }
    }

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void pickAndShowCode_data()
    {
        QTest::addColumn<QString>("category"); // typed, then "Liste aktualisieren"
        QTest::addColumn<QString>("name");     // then selected, if any, and "Code ausgeben"
        QTest::addColumn<QString>("code");
        QTest::newRow("Schwert") << "Alles"
                                 << "Schwert"
                                 << "$A";
        QTest::newRow("last") << "Alles"
                              << "Pfeil nach Unten Links"
                              << "$z";
        QTest::newRow("Venus in Planeten") << "Planeten"
                                           << "Venus (gespiegelt)"
                                           << "$H";
        QTest::newRow("refilled, none selected") << "Karten"
                                                 << ""
                                                 << "";
        // No category: list and selection stay, so the code is that of "Herz(voll)".
        for (const char *text : {"planeten", "Planeten ", ""})
            QTest::addRow("'%s'", text) << text << ""
                                        << "$k";
    }
    void pickAndShowCode()
    {
        QFETCH(QString, category);
        QFETCH(QString, name);
        QFETCH(QString, code);
        const QStringList fresh = shown();
        QCOMPARE(fresh, QStringList({"Alles", "Der Code"}) + symbolNames());
        pick("Karten", "Herz(voll)");
        find<QLineEdit>("tCode")->setText("$A getippt");
        QStringList listed = shown().sliced(2);

        pick(category, name);
        // The selection gives the code, not an entry that merely has the focus frame.
        find<QListWidget>("symbol_Liste")->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        QCOMPARE(find<QLineEdit>("tCode")->text(), "$A getippt");
        f.click("bt_Ausgabe", f.show("Dialog"));
        if (const auto names = symbolNamesIn(category)) {
            listed = *names;
            if (!name.isEmpty())
                listed[listed.indexOf(name)] += '*';
        }
        const QStringList picked = QStringList{category, code} + listed;
        QCOMPARE(shown(), picked);

        // "OK" keeps everything for the next showing; the close box starts afresh.
        f.click("OKButton", f.show("Dialog"));
        QCOMPARE(shown(), picked);
        f.show("Dialog")->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shown(), fresh);
    }
};

QTEST_MAIN(TestSymbolDialog)
#include "tst_symbol_dialog.moc"
