#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/startup.h"
#include "game_view/message_preview.h"
#include "test_session.h"

#include <QtTest>
#include <QtWidgets>

// A real main window whose questions are answered from a script.
struct MainWindow {
    Module1 state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(state, dialogs);

    // A named control, menu or menu item of the main window or of the given window.
    template <typename T = QWidget> T *find(const QString &name, QWidget *window = nullptr) const
    {
        if (T *found = (window ? window : form.get())->findChild<T *>(name))
            return found;
        qFatal("no %s", qPrintable(name));
    }
    void click(const QString &button, QWidget *window = nullptr) const
    {
        QTest::mouseClick(find(button, window), Qt::LeftButton);
    }
    void trigger(const QString &menuItem) const { find<QAction>(menuItem)->trigger(); }
    QString output() const { return find<QPlainTextEdit>("Zindral")->toPlainText(); }
    // Shows the main window ("Form1") and, through its menu, "Dialog", "Dialog1", "Vorschau" or
    // "TextVerteilen".
    QWidget *show(const QString &window) const
    {
        form->show();
        const QMap<QString, QString> menuItems{{"Dialog", "Symbole"},
                                               {"Dialog1", "About"},
                                               {"Vorschau", "Vorschau"},
                                               {"TextVerteilen", "TextVerteilen"}};
        if (menuItems.contains(window))
            trigger(menuItems[window]);
        for (QWidget *shown : QApplication::topLevelWidgets())
            if (shown->objectName() == window && shown->isVisible())
                return shown;
        qFatal("%s is not shown", qPrintable(window));
    }
};

// The four windows driven as the user drives them, on the offscreen platform.
class TestWindows : public QObject {
    Q_OBJECT

public:
    // Headless, with German as the user's own number format.
    static void initMain()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("LC_ALL", "de_DE.UTF-8");
    }

private slots:
    // As the program starts: its name, its icon in three sizes, the toolkit's texts in German.
    void initTestCase()
    {
        setUpApplication();
        QCOMPARE(QApplication::applicationName(), "Tarvolin 2000");
        QCOMPARE(QApplication::windowIcon().availableSizes(),
                 QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
    }

    void windows_data()
    {
        QTest::addColumn<Qt::WindowType>("type");  // a tool window has no task-bar button
        QTest::addColumn<QStringList>("tabOrder"); // from the control that has the focus first
        QTest::addColumn<QStringList>("texts"); // the title, what the named parts show, the toolbar

        QTest::newRow("Form1")
            << Qt::Window
            << QStringList({"t_Zeile1_0", "t_Zeile1_1", "t_Zeile1_2", "t_Zeile1_3", "bt_Auswerten",
                            "Zindral", "bt_Refresh_0", "bt_Refresh_1", "bt_Refresh_2", "bt_Refresh",
                            "bt_Refresh_All", "t_Zeile1_0"})
            << QStringList({"Tarvolin 2000 v.3.00.00", "Links", "Richtet die Message links aus.",
                            "Zentriert", "Zentriert die Zindral.", "Rechts",
                            "Richtet die Message rechts.", "Face On/Off", "Layout für Brumwick."}) +
                   QStringList({"Eingabe", "Zeile 1", "Refresh", "Zeile 2", "Refresh", "Zeile 3",
                                "Refresh", "Zeile 4", "Refresh", "Refresh All", "Auswerten",
                                "Ausgabe"}) +
                   QStringList({"&Datei", "&Beenden", "&Messsageoptionen",
                                "Schrift&geschwindigkeit", "&Farbe", "Aus&richtung",
                                "Au&tomatisches Schließen", "&Face On/Off", "S&ymbole",
                                "...(Schweigen)", "&Vorschau", "T&ext verteilen", "&Hilfe",
                                "Abo&ut"});
        QTest::newRow("Dialog") << Qt::Tool
                                << QStringList({"OKButton", "symbol_Liste", "Combo", "bt_Liste",
                                                "tCode", "bt_Ausgabe", "OKButton"})
                                << QStringList({"Dialog Caption", "OK", "Symbole", "Art", "Alles",
                                                "Liste aktualisieren", "Ausgabe", "Der Code",
                                                "Code ausgeben"});
        QTest::newRow("Dialog1") << Qt::Tool << QStringList({"OKButton", "OKButton"})
                                 << QStringList({"About", "OK", "Tarvolin 2000™", "v. 3.00.00"});
        QTest::newRow("Vorschau") << Qt::Tool << QStringList({"bt_Abspielen", "bt_Abspielen"})
                                  << QStringList({"Vorschau", "Abspielen"});
        // "Übernehmen" takes no focus while there is nothing to take.
        QTest::newRow("TextVerteilen") << Qt::Tool << QStringList({"Text", "Aufteilung", "Text"})
                                       << QStringList({"Text verteilen", "&Übernehmen"});
    }
    void windows()
    {
        QFETCH(Qt::WindowType, type);
        QFETCH(QStringList, tabOrder);
        QFETCH(QStringList, texts);
        MainWindow f;
        QWidget *window = f.show(QTest::currentDataTag());
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->windowType(), type);
        // Screen readers take it for a window, not for a pane.
        QVERIFY(QList({QAccessible::Window, QAccessible::Dialog})
                    .contains(QAccessible::queryAccessibleInterface(window)->role()));
        const auto buttons =
            Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(window->windowFlags() & buttons, Qt::WindowCloseButtonHint);
        QCOMPARE(window->minimumSize(), window->maximumSize());

        QStringList shown{window->windowTitle()};
        for (const QObject *part : window->findChildren<QObject *>(Qt::FindChildrenRecursively)) {
            // A control has at most one of these.
            const QString text = part->property("text").toString() +
                                 part->property("currentText").toString() +
                                 part->property("title").toString();
            if (!part->objectName().isEmpty() && !text.isEmpty())
                shown << text;
            if (auto *toolbar = qobject_cast<const QToolBar *>(part))
                for (const QAction *button : toolbar->actions())
                    shown << button->text() << button->toolTip();
        }
        QCOMPARE(shown, texts);

        for (const QString &name : tabOrder) {
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    // Every control lies inside its parent and inside the window's client area, and no two controls
    // of one parent overlap, but where the layout means them to: in the about box the version lies
    // over the lower part of the name's rectangle, and both rectangles run past the bottom edge; in
    // the symbol dialog the frames "Symbole" and "Art" share one pixel row.
    void layout_data()
    {
        QTest::addColumn<QStringList>("onPurpose"); // "A+B" may overlap; "A" may leave the window
        // The menu bar stands above the client area.
        QTest::newRow("Form1") << QStringList{"QMenuBar"};
        QTest::newRow("Dialog") << QStringList{"Frame1+Frame2"};
        QTest::newRow("Dialog1") << QStringList{"Label1+Label2", "Label1", "Label2"};
        QTest::newRow("Vorschau") << QStringList{};
        QTest::newRow("TextVerteilen") << QStringList{};
    }
    void layout()
    {
        QFETCH(QStringList, onPurpose);
        MainWindow f;
        QWidget *window = f.show(QTest::currentDataTag());
        auto *mainWindow = qobject_cast<QMainWindow *>(window);
        const QRect client = mainWindow ? mainWindow->centralWidget()->geometry() : window->rect();
        const auto name = [](const QWidget *w) {
            return w->objectName().isEmpty() ? w->accessibleName() + w->metaObject()->className()
                                             : w->objectName();
        };
        QStringList faults;
        for (const QWidget *control : window->findChildren<QWidget *>()) {
            // The toolkit's own parts of a control are the control's business.
            if (control->objectName().startsWith("qt_") || !control->isVisibleTo(window))
                continue;
            const QWidget *parent = control->parentWidget();
            if (!onPurpose.contains(name(control)) &&
                (!parent->rect().contains(control->geometry()) ||
                 !client.contains(QRect(control->mapTo(window, QPoint()), control->size()))))
                faults << name(control) + " leaves " + name(parent) + " or the window";
            for (const QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (name(control) < name(other) && other->isVisibleTo(window) &&
                    control->geometry().intersects(other->geometry()) &&
                    !onPurpose.contains(name(control) + "+" + name(other)))
                    faults << name(control) + " overlaps " + name(other);
            // A caption keeps the window's font unless it would be clipped; one that takes less
            // than half of its button is far from that.
            if (const auto *button = qobject_cast<const QPushButton *>(control)) {
                const QString caption = QString(button->text()).remove(u'&');
                if (QFontMetrics(window->font()).horizontalAdvance(caption) * 2 < button->width() &&
                    button->font().pointSizeF() != window->font().pointSizeF())
                    faults << name(control) + " shrinks its caption";
                if (QFontMetrics(button->font()).horizontalAdvance(caption) > button->width())
                    faults << name(control) + " clips its caption";
            }
        }
        QCOMPARE(faults.join("; "), QString());
    }

    // One instance each. "OK" hides it and keeps it: Esc, and Enter or Space on the focused "OK",
    // do what the window's buttons do. The close box unloads it. Ending the program takes it along,
    // visible or hidden, by "Beenden" or by the main window's close box.
    void secondaryWindows_data()
    {
        QTest::addColumn<bool>("buttonHides");
        QTest::addColumn<bool>("escHides");
        QTest::addColumn<bool>("endByMenu");
        QTest::addColumn<bool>("endHidden");
        QTest::newRow("Dialog") << true << true << true << false;
        QTest::newRow("Dialog1") << true << false << false << true;
        QTest::newRow("Vorschau") << false << false << false << false;
    }
    void secondaryWindows()
    {
        QFETCH(bool, buttonHides);
        QFETCH(bool, escHides);
        QFETCH(bool, endByMenu);
        QFETCH(bool, endHidden);
        auto f = std::make_unique<MainWindow>();
        const QString name = QTest::currentDataTag();
        QPointer<QWidget> window = f->show(name);
        QCOMPARE(window->parentWidget(), nullptr);
        for (const auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QCOMPARE(f->show(name), window.data());
            QVERIFY(QTest::qWaitForWindowActive(window));
            QVERIFY(!qobject_cast<QPushButton *>(window->focusWidget())->isDefault());
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(window->isHidden(), key == Qt::Key_Escape ? escHides : buttonHides);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());

        window = f->show(name);
        window->setHidden(endHidden);
        QTimer::singleShot(0, [&] { endByMenu ? f->trigger("Beenden") : void(f->form->close()); });
        // Should the program not end, this stops the loop, and the check below fails.
        bool ended = true;
        QTimer::singleShot(5000, [&] {
            ended = false;
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        QVERIFY(ended);
        f.reset();
        QVERIFY(window.isNull());
    }

    // The list changes only for a category name, the code only for the selected name.
    void symbolDialog()
    {
        MainWindow f;
        QWidget *dialog = f.show("Dialog");
        auto *list = f.find<QListWidget>("symbol_Liste", dialog);
        auto *combo = f.find<QComboBox>("Combo", dialog);
        auto *code = f.find<QLineEdit>("tCode", dialog);
        QCOMPARE(list->count(), 52);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        for (const char *category : {"planeten", "Planeten"}) {
            combo->setFocus();
            combo->clearEditText();
            QTest::keyClicks(combo, category);
            // Leaving the box keeps the text as typed, in its own letter case.
            QTest::keyClick(combo, Qt::Key_Tab);
            QCOMPARE(combo->currentText(), category);
            f.click("bt_Liste", dialog);
            QCOMPARE(list->count(), category[0] == 'P' ? 13 : 52);
        }
        f.click("bt_Ausgabe", dialog);
        QCOMPARE(code->text(), "");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(4)).center());
        // The selection gives the code, not an entry that merely has the focus frame.
        list->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        f.click("bt_Ausgabe", dialog);
        QCOMPARE(code->text(), "$H");
    }

    // A message typed and evaluated, centred at width 50 as after start-up, then decorated from
    // the menu and the toolbar, and copied.
    void typedMessageToCopy()
    {
        MainWindow f;
        for (const char *refresh : {"bt_Refresh_0", "bt_Refresh_1", "bt_Refresh_2", "bt_Refresh"})
            f.click(refresh);
        auto *line1 = f.find<QLineEdit>("t_Zeile1_0");
        QTest::keyClicks(line1, "Hallo Welt!");
        f.click("bt_Auswerten");
        f.dialogs.answers = {"1", "4", "2", "20", "3", "2"};
        for (const char *command : {"Farbe", "Geschwindigkeit", "Pünktchen", "Schließen"})
            f.trigger(command);
        auto *toolbar = f.find<QToolBar>("Toolbar1");
        QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().last()), Qt::LeftButton);
        QCOMPARE(f.dialogs.shown.last(), "Face On: Faces ON");

        auto *output = f.find<QPlainTextEdit>("Zindral");
        QVERIFY(!output->isReadOnly());
        QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QString(R"(\C[4]%1Hallo Welt!\C[0]
\S[20]%2
%2\..\..\..
%2\.\.\^)")
                                   .arg(QString(20, u' '), QString(25, u' '));
        QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(QApplication::clipboard()->text(), copied);

        // Clearing touches only the input lines.
        f.click("bt_Refresh_All");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.find<QLineEdit>(QString("t_Zeile1_%1").arg(i))->text(), QString());
        QCOMPARE(f.output(), copied);
    }

    // Enter presses the focused button, as Space does; in an input line it does nothing, and Esc
    // does nothing anywhere.
    void keysOnFocus_data()
    {
        QTest::addColumn<int>("tabs"); // from input line 1
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("evaluated");
        QTest::addColumn<QString>("line1");
        QTest::newRow("Return in a line") << 0 << Qt::Key_Return << false << "Zeile 1x";
        QTest::newRow("Return on Auswerten") << 4 << Qt::Key_Return << true << "Zeile 1x";
        QTest::newRow("Space on Auswerten") << 4 << Qt::Key_Space << true << "Zeile 1x";
        QTest::newRow("Esc on Auswerten") << 4 << Qt::Key_Escape << false << "Zeile 1x";
        QTest::newRow("Enter on Refresh") << 6 << Qt::Key_Enter << false << "";
    }
    void keysOnFocus()
    {
        QFETCH(int, tabs);
        QFETCH(Qt::Key, key);
        QFETCH(bool, evaluated);
        QFETCH(QString, line1);
        MainWindow f;
        QVERIFY(QTest::qWaitForWindowActive(f.show("Form1")));
        QTest::keyClicks(QApplication::focusWidget(), "x");
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(f.output().startsWith(QString(21, u' ') + "Zeile 1x\n"), evaluated);
        QCOMPARE(f.find<QLineEdit>("t_Zeile1_0")->text(), line1);
    }

    // The preview follows the output box, whatever changes it, and the face setting, and tells a
    // screen reader what each row shows in which colour. Played from the keyboard, a message with
    // the close code writes itself and closes; a change of the text stops it.
    void preview()
    {
        MainWindow f;
        // Not made before it is asked for.
        QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), [](const QWidget *shown) {
            return shown->objectName() == "Vorschau";
        }));
        QWidget *window = f.show("Vorschau");
        QCOMPARE(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name),
                 "Vorschau");
        QAccessibleInterface *canvas =
            QAccessible::queryAccessibleInterface(f.find("Nachricht", window));
        const auto rows = [canvas] {
            QStringList rows;
            for (int i = 0; i < canvas->childCount(); ++i) {
                QAccessibleTextInterface *row = canvas->child(i)->textInterface();
                rows << canvas->child(i)->text(QAccessible::Name) + ": " +
                            row->text(0, row->characterCount());
            }
            return rows;
        };
        const auto colour = [canvas](int row, int offset) {
            int start = 0, end = 0;
            return canvas->child(row)->textInterface()->attributes(offset, &start, &end);
        };
        auto *hinweis = f.find<QLabel>("Hinweis", window);
        QCOMPARE(rows(), QStringList({"Zeile 1: ", "Zeile 2: ", "Zeile 3: ", "Zeile 4: "}));

        f.find<QLineEdit>("t_Zeile1_0")->setText(QString(45, u'x'));
        f.click("bt_Auswerten");
        const QString line1 = "Zeile 1:    " + QString(45, u'x');
        QCOMPARE(rows(), QStringList({line1, "Zeile 2: " + QString(22, u' ') + "Zeile 2",
                                      "Zeile 3: " + QString(22, u' ') + "Zeile 3",
                                      "Zeile 4: " + QString(22, u' ') + "Zeile 4"}));
        f.dialogs.answers = {"2", "4"};
        f.trigger("Farbe");
        QCOMPARE(colour(0, 3), "color:rgb(255,255,255);");
        QVERIFY(colour(1, 22).startsWith("color:rgb("));
        QVERIFY(colour(1, 22) != colour(0, 3));

        QCOMPARE(hinweis->text(), "");
        auto *toolbar = f.find<QToolBar>("Toolbar1");
        QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().last()), Qt::LeftButton);
        QTRY_COMPARE(hinweis->text(), "Zeile 1 ist 10 Zeichen zu lang.");
        QCOMPARE(colour(0, 47), "color:rgb(255,255,255);background-color:rgb(112,16,16);");

        // About 140 characters take more than two seconds, far longer than the test waits.
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        auto *zustand = f.find<QLabel>("Zustand", window);
        QTest::qWait(100);
        QCOMPARE(zustand->text(), "Die Nachricht wird geschrieben …");
        auto *output = f.find<QPlainTextEdit>("Zindral");
        output->selectAll();
        QTest::keyClicks(output, R"(Hi$z\^)");
        QCOMPARE(rows(),
                 QStringList({"Zeile 1: Hi↙\u2060", "Zeile 2: ", "Zeile 3: ", "Zeile 4: "}));
        QTest::qWait(100);
        QCOMPARE(zustand->text(), "");

        QTest::keyClick(f.find("bt_Abspielen", window), Qt::Key_Space);
        QTRY_COMPARE(zustand->text(), "Das Fenster hat sich von selbst geschlossen.");
        QCOMPARE(rows(), QStringList({"Zeile 1: ", "Zeile 2: ", "Zeile 3: ", "Zeile 4: "}));
    }

    // Bad text in the output box draws, and only what the preview can show is laid out.
    void previewOfBadText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("notes");
        QTest::newRow("1 MiB line")
            << QString(1 << 20, u'x') << 4 << "Zeile 1 ist 1048526 Zeichen zu lang.";
        QTest::newRow("100000 lines") << QString("x\r\n").repeated(100000) << 7
                                      << "Zeilen 5 bis 100001 stehen nicht im Fenster.";
        QTest::newRow("not to be shown")
            << QString("\t\x01\U000F0000%1 %2").arg(QChar(0xd800), QChar(0xdc00)) << 4 << "";
        QTest::newRow("malformed codes")
            << QString(R"(\C[20]\C[\S[0]\C[05]\Cx\c[1]\ )").repeated(10) << 4
            << "Zeile 1 ist 250 Zeichen zu lang. Zeile 1 enthält Codes, die das Spiel nicht "
               "auswertet (markiert).";
    }
    void previewOfBadText()
    {
        QFETCH(QString, text);
        QFETCH(int, rows);
        QFETCH(QString, notes);
        MainWindow f;
        QWidget *window = f.show("Vorschau");
        f.find<QPlainTextEdit>("Zindral")->setPlainText(text);
        QVERIFY(!window->grab().isNull());
        QCOMPARE(f.find<QLabel>("Hinweis", window)->text(), notes);
        QAccessibleInterface *canvas =
            QAccessible::queryAccessibleInterface(f.find("Nachricht", window));
        QCOMPARE(canvas->childCount(), rows);
        for (int row = 0; row < canvas->childCount(); ++row)
            QVERIFY(canvas->child(row)->textInterface()->characterCount() <=
                    kWindowCells + kCellsBeyondEdge);
    }

    // The toolkit's own boxes, in German, each checked and answered from inside its event loop
    // and always closed: a question answered in the user's number format, and a message.
    void realBoxes()
    {
        Module1 state;
        QtDialogs dialogs;
        Form1 form(state, dialogs);
        QTimer::singleShot(0, [] {
            auto *input = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            const auto close = qScopeGuard([input] { input->isVisible() && input->close(); });
            QCOMPARE(input->windowTitle(), "Ausrichtung");
            QCOMPARE(input->labelText(),
                     "Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig");
            QCOMPARE(input->textValue(), "1");
            QCOMPARE(input->cancelButtonText(), "Abbrechen");
            QTest::keyClicks(input->findChild<QLineEdit *>(), "2,5");
            QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Return);
        });
        form.findChild<QAction *>("Ausrichtung")->trigger();
        QCOMPARE(state.AusrichtungsModus, 2);

        QTimer::singleShot(0, [] {
            auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            const auto close = qScopeGuard([message] { message->isVisible() && message->close(); });
            QCOMPARE(message->windowTitle(), "Face On");
            QCOMPARE(message->text(), "Messages mit Faces");
            QCOMPARE(message->icon(), QMessageBox::Information);
            QCOMPARE(message->textFormat(), Qt::PlainText);
            QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
        });
        form.findChild<QAction *>("Face")->trigger();
        QCOMPARE(state.Zeilenbreite, 38);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
