#include "main_window.h"

#include <QPointer>
#include <QTimer>
#include <QToolBar>

using Texts = QMap<QString, QString>;

// The three windows as the user meets them: texts, frames, keyboard, and how long they live.
class TestWindows : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void windows_data()
    {
        QTest::addColumn<Qt::WindowType>("type");  // a tool window has no task-bar button
        QTest::addColumn<QStringList>("tabOrder"); // from the control that has the focus first
        QTest::addColumn<Texts>("texts");          // of its controls, menus and menu items

        QTest::newRow("Form1") << Qt::Window
                               << QStringList{"t_Zeile1_0",   "t_Zeile1_1",     "t_Zeile1_2",
                                              "t_Zeile1_3",   "bt_Auswerten",   "Zindral",
                                              "bt_Refresh_0", "bt_Refresh_1",   "bt_Refresh_2",
                                              "bt_Refresh",   "bt_Refresh_All", "t_Zeile1_0"}
                               << Texts{{"Form1", "Tarvolin 2000 v.3.00.00"},
                                        {"Frame1", "Eingabe"},
                                        {"t_Zeile1_0", "Zeile 1"},
                                        {"t_Zeile1_3", "Zeile 4"},
                                        {"bt_Refresh_0", "Refresh"},
                                        {"bt_Refresh", "Refresh"},
                                        {"bt_Refresh_All", "Refresh All"},
                                        {"bt_Auswerten", "Auswerten"},
                                        {"Frame2", "Ausgabe"},
                                        {"Datei", "&Datei"},
                                        {"Beenden", "&Beenden"},
                                        {"Optionen", "&Messsageoptionen"},
                                        {"Geschwindigkeit", "Schrift&geschwindigkeit"},
                                        {"Farbe", "&Farbe"},
                                        {"Ausrichtung", "Aus&richtung"},
                                        {"Schließen", "Au&tomatisches Schließen"},
                                        {"Face", "&Face On/Off"},
                                        {"Symbole", "S&ymbole"},
                                        {"Pünktchen", "...(Schweigen)"},
                                        {"Hilfe", "&Hilfe"},
                                        {"About", "Abo&ut"}};
        QTest::newRow("Dialog") << Qt::Tool
                                << QStringList{"OKButton", "symbol_Liste", "Combo",   "bt_Liste",
                                               "tCode",    "bt_Ausgabe",   "OKButton"}
                                << Texts{{"Dialog", "Dialog Caption"},
                                         {"OKButton", "OK"},
                                         {"Frame1", "Symbole"},
                                         {"Frame2", "Art"},
                                         {"Combo", "Alles"},
                                         {"bt_Liste", "Liste aktualisieren"},
                                         {"Frame3", "Ausgabe"},
                                         {"tCode", "Der Code"},
                                         {"bt_Ausgabe", "Code ausgeben"}};
        QTest::newRow("Dialog1") << Qt::Tool << QStringList{"OKButton", "OKButton"}
                                 << Texts{{"Dialog1", "About"},
                                          {"OKButton", "OK"},
                                          {"Label1", "Tarvolin 2000™"},
                                          {"Label2", "v. 3.00.00"}};
    }
    void windows()
    {
        QFETCH(Qt::WindowType, type);
        QFETCH(QStringList, tabOrder);
        QFETCH(Texts, texts);
        MainWindow f;
        QWidget *window = f.show(QTest::currentDataTag());
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->windowType(), type);
        const auto buttons =
            Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(window->windowFlags() & buttons, Qt::WindowCloseButtonHint);
        QCOMPARE(window->minimumSize(), window->maximumSize());

        for (auto [name, text] : texts.asKeyValueRange()) {
            // Whichever the control has: a window title, a frame's or menu's title, a text.
            QObject *control =
                name == window->objectName() ? window : f.find<QObject>(name, window);
            QString shown = control->property("text").toString();
            for (const char *property : {"currentText", "title", "windowTitle"})
                shown = shown.isEmpty() ? control->property(property).toString() : shown;
            QCOMPARE(shown, text);
        }

        QStringList order{QApplication::focusWidget()->objectName()};
        while (order.size() < tabOrder.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, tabOrder);
    }

    void toolbar()
    {
        MainWindow f;
        QStringList buttons;
        for (QAction *button : f.find<QToolBar>("Toolbar1")->actions())
            buttons << button->text() << button->toolTip();
        QCOMPARE(buttons,
                 QStringList({"Links", "Richtet die Message links aus.", "Zentriert",
                              "Zentriert die Zindral.", "Rechts", "Richtet die Message rechts.",
                              "Face On/Off", "Layout für Brumwick."}));
    }

    // One instance each. "OK" hides it and keeps it: Esc, and Enter or Space on the focused "OK",
    // do what the window's buttons do. The close box unloads it.
    void secondaryWindowLife_data()
    {
        QTest::addColumn<bool>("escHides");
        QTest::newRow("Dialog") << true;
        QTest::newRow("Dialog1") << false;
    }
    void secondaryWindowLife()
    {
        QFETCH(bool, escHides);
        MainWindow f;
        const QString name = QTest::currentDataTag();
        const QPointer<QWidget> window = f.show(name);
        QCOMPARE(f.show(name), window.data());
        QCOMPARE(window->parentWidget(), nullptr);
        for (const auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(window->isHidden(), key != Qt::Key_Escape || escHides);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(f.show(name), window.data());
        }
        f.click("OKButton", window);
        QVERIFY(window->isHidden());
        QCOMPARE(f.show(name), window.data());
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QVERIFY(f.show(name));
    }

    void ending_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("hideFirst");
        QTest::newRow("Beenden, secondary windows visible") << true << false;
        QTest::newRow("close box, secondary windows hidden") << false << true;
    }
    void ending()
    {
        QFETCH(bool, byMenu);
        QFETCH(bool, hideFirst);
        auto f = std::make_unique<MainWindow>();
        const QList<QPointer<QWidget>> secondary{f->show("Dialog"), f->show("Dialog1")};
        for (QWidget *window : secondary)
            window->setHidden(hideFirst);
        QTimer::singleShot(0, [&] { byMenu ? f->trigger("Beenden") : void(f->form->close()); });
        // Should the program not end, this stops the loop, and the check below fails.
        bool ended = true;
        QTimer::singleShot(5000, [&] {
            ended = false;
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        QVERIFY(ended);
        f.reset();
        for (const auto &window : secondary)
            QVERIFY(window.isNull());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
