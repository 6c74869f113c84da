#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/startup.h"
#include "between_runs/settings_file.h"
#include "game_view/message_preview.h"
#include "preview/message_canvas.h"
#include "preview/preview_colours.h"
#include "symbols/symbol_catalogue.h"
#include "test_session.h"
#include "text_file/text_file.h"

#include <QtTest>
#include <QtWidgets>

// A real main window whose questions are answered from a script, or by the real boxes given, over
// a data folder of its own or the one given.
struct MainWindow {
    explicit MainWindow(const QString &folder = QString(), Dialogs *real = nullptr)
        : dataFolder(folder.isEmpty() ? own.path() : folder),
          form(std::make_unique<Form1>(state, real ? *real : dialogs, dataFolder))
    {
    }
    QTemporaryDir own;
    const QString dataFolder;
    Module1 state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;

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
    QStringList lines() const
    {
        QStringList lines;
        for (int i = 0; i < 4; ++i)
            lines << find<QLineEdit>(QString("t_Zeile1_%1").arg(i))->text();
        return lines;
    }
    // Shows the main window ("Form1") and, through its menu, "Dialog", "Dialog1", "Vorschau" or
    // "TextVerteilen"; returns the visible top-level window of that name.
    QWidget *show(const QString &window) const
    {
        form->show();
        if (window != "Form1")
            trigger(window == "Dialog" ? "Symbole" : window == "Dialog1" ? "About" : window);
        for (QWidget *shown : QApplication::topLevelWidgets())
            if (shown->objectName() == window && shown->isVisible())
                return shown;
        qFatal("%s is not shown", qPrintable(window));
    }
};

// Ends the program by "Beenden" or by the main window's close box; true when the event loop ends
// and the given window goes with the main window.
bool programEnds(std::unique_ptr<MainWindow> &f, const QPointer<QWidget> &window, bool byMenu)
{
    QTimer::singleShot(0, [&] { byMenu ? f->trigger("Beenden") : void(f->form->close()); });
    // Should the program not end, this stops the loop; it goes with this function.
    QTimer guard;
    guard.setSingleShot(true);
    guard.callOnTimeout(&QCoreApplication::quit);
    guard.start(5000);
    QCoreApplication::exec();
    const bool ended = guard.isActive();
    f.reset();
    return ended && window.isNull();
}

// How many times a widget is painted.
struct PaintCounter final : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// How many pixels of a part of a picture have the colour.
int pixelsOf(const QImage &image, const QRect &part, const QColor &colour)
{
    int count = 0;
    const QRect inside = part.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb();
    return count;
}

// The screen of the offscreen platform is as large as a desktop's, so that the secondary windows
// find room beside the main window. Its configuration file goes to the temporary folder, named
// relative to it: the platform option would split a Windows path at its drive's colon.
void useLargeScreen()
{
    QDir::setCurrent(QDir::tempPath());
    static QTemporaryFile screen(QStringLiteral("tarvolin-screen-XXXXXX.json"));
    if (!screen.open())
        qFatal("no screen configuration");
    screen.write(R"({"screens": [{"name": "Bildschirm", "width": 1600, "height": 1000}]})");
    screen.flush();
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" + QFileInfo(screen).fileName().toLocal8Bit());
}

// The four windows driven as the user drives them, on the offscreen platform.
class TestWindows : public QObject {
    Q_OBJECT

public:
    // Headless, with German as the user's own number format.
    static void initMain()
    {
        useLargeScreen();
        qputenv("LC_ALL", "de_DE.UTF-8");
    }

private slots:
    // As the program starts: its name, its icon in three sizes, the toolkit's texts in German.
    void initTestCase()
    {
        setUpApplication();
        QCOMPARE(QApplication::windowIcon().availableSizes(),
                 QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
    }

    // Every window: its kind, its texts, its focus chain, and its layout. Every control lies inside
    // its parent and inside the window's client area, and no two controls of one parent overlap,
    // but where the layout means them to: in the about box the version lies over the lower part of
    // the name's rectangle, and both rectangles run past the bottom edge; in the symbol dialog the
    // frames "Symbole" and "Art" share one pixel row; the menu bar stands above the client area.
    void windows_data()
    {
        QTest::addColumn<Qt::WindowType>("type");  // a tool window has no task-bar button
        QTest::addColumn<QStringList>("tabOrder"); // from the control that has the focus first
        QTest::addColumn<QStringList>("texts"); // the title, what the named parts show, the toolbar
        QTest::addColumn<QStringList>("onPurpose"); // "A+B" may overlap; "A" may leave the window

        // Lists are written as their words parted by "|".
        const auto row = [](const char *name, Qt::WindowType type, const char *tabOrder,
                            const char *texts, const char *onPurpose = "") {
            QTest::newRow(name) << type << QString(tabOrder).split(u'|')
                                << QString(texts).split(u'|')
                                << QString(onPurpose).split(u'|', Qt::SkipEmptyParts);
        };
        row("Form1", Qt::Window,
            "t_Zeile1_0|t_Zeile1_1|t_Zeile1_2|t_Zeile1_3|bt_Auswerten|Zindral|bt_Refresh_0|"
            "bt_Refresh_1|bt_Refresh_2|bt_Refresh|bt_Refresh_All|t_Zeile1_0",
            "Tarvolin 2000 v.3.00.00|Links|Richtet die Message links aus.|Zentriert|"
            "Zentriert die Zindral.|Rechts|Richtet die Message rechts.|Face On/Off|"
            "Layout für Brumwick.|Eingabe|Zeile 1|Refresh|Zeile 2|Refresh|Zeile 3|Refresh|Zeile 4|"
            "Refresh|Refresh All|Auswerten|Ausgabe|&Datei|&Beenden|&Messsageoptionen|"
            "Schrift&geschwindigkeit|&Farbe|Aus&richtung|Au&tomatisches Schließen|&Face On/Off|"
            "S&ymbole|...(Schweigen)|&Vorschau|T&ext verteilen|&Hilfe|Abo&ut",
            "QMenuBar");
        row("Dialog", Qt::Tool, "OKButton|symbol_Liste|Combo|bt_Liste|tCode|bt_Ausgabe|OKButton",
            "Dialog Caption|OK|Symbole|Art|Alles|Liste aktualisieren|Ausgabe|Der Code|"
            "Code ausgeben",
            "Frame1+Frame2");
        row("Dialog1", Qt::Tool, "OKButton|OKButton", "About|OK|Tarvolin 2000™|v. 3.00.00",
            "Label1+Label2|Label1|Label2");
        row("Vorschau", Qt::Tool, "bt_Abspielen|bt_Abspielen", "Vorschau|Abspielen");
        // "Übernehmen" takes no focus while there is nothing to take.
        row("TextVerteilen", Qt::Tool, "Text|Aufteilung|bt_Öffnen|bt_Speichern|Text",
            "Text verteilen|Ö&ffnen...|&Speichern unter...|&Übernehmen");
    }
    void windows()
    {
        QFETCH(Qt::WindowType, type);
        QFETCH(QStringList, tabOrder);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, onPurpose);
        MainWindow f;
        QWidget *window = f.show(QTest::currentDataTag());
        // Its first control has the focus at once, not only when the platform activates it.
        QCOMPARE(window->focusWidget(), window->findChild<QWidget *>(tabOrder.first()));
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
            }
        }
        QCOMPARE(faults.join("; "), QString());

        for (const QString &focused : tabOrder) {
            QCOMPARE(QApplication::focusWidget()->objectName(), focused);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
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
        QVERIFY(programEnds(f, window, endByMenu));
    }

    // The preview and "Text verteilen" open beside the main window, wholly inside the screen's
    // available area: to its right where there is room, else to its left, else below it; where
    // there is room for none, inside the area all the same, covering the main window as little as
    // it can. Moved by the user, they open again where they were left.
    void besideTheMainWindow_data()
    {
        QTest::addColumn<QPointF>("main"); // where the main window stands in the room it has
        QTest::addColumn<QString>("side"); // where the window opens; empty: over the main window
        QTest::newRow("Vorschau, main window at the left") << QPointF(0, 0) << "right";
        QTest::newRow("Vorschau, main window at the right") << QPointF(1, 0.2) << "left";
        QTest::newRow("Vorschau, main window in the middle") << QPointF(0.5, 0.2) << "below";
        QTest::newRow("Vorschau, main window at the bottom") << QPointF(0.5, 1) << "";
        QTest::newRow("TextVerteilen, main window at the left") << QPointF(0, 0.5) << "right";
    }
    void besideTheMainWindow()
    {
        QFETCH(QPointF, main);
        QFETCH(QString, side);
        const QString name = QString(QTest::currentDataTag()).section(',', 0, 0);
        MainWindow f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        const QRect area = f.form->screen()->availableGeometry();
        const QSize room = area.size() - f.form->frameGeometry().size();
        f.form->move(area.topLeft() +
                     QPoint(qRound(main.x() * room.width()), qRound(main.y() * room.height())));
        QWidget *window = f.show(name);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect beside = window->frameGeometry();
        const QRect mainWindow = f.form->frameGeometry();
        const QRect covered = beside.intersected(mainWindow);
        const QMap<QString, bool> opened{{"right", beside.left() > mainWindow.right()},
                                         {"left", beside.right() < mainWindow.left()},
                                         {"below", beside.top() > mainWindow.bottom()},
                                         // As little as it can: here less than half of it.
                                         {"", 2 * covered.width() * covered.height() <
                                                  mainWindow.width() * mainWindow.height()}};
        QVERIFY(area.contains(beside));
        QCOMPARE(covered.isEmpty(), !side.isEmpty());
        QVERIFY(opened[side]);

        const QPoint movedTo = area.topLeft() + QPoint(7, 9);
        window->move(movedTo);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.show(name)->pos(), movedTo);
        // In the next run too, moved again and left open, but where that place is on no screen.
        f.show(name)->move(movedTo + QPoint(3, 3));
        f.form.reset();
        MainWindow next(f.dataFolder);
        QCOMPARE(next.show(name)->pos(), movedTo + QPoint(3, 3));
        next.form.reset();
        settingsIn(f.dataFolder).setValue("Fenster/" + name, QPoint(-9000, 0));
        MainWindow elsewhere(f.dataFolder);
        QVERIFY(area.contains(elsewhere.show(name)->frameGeometry()));
    }

    // "Text verteilen": one instance; its close box and Esc only hide it, and it opens again with
    // the keyboard focus in its text, wherever the focus was. It ends with the program. Its text
    // and cursor are there in the next run: written about a second after the last change, and again
    // at the end, by one copy of the program only. A run that changes nothing writes nothing.
    void textKeptBetweenRuns()
    {
        const QTemporaryDir folder;
        const QString kept = folder.filePath("Text verteilen.txt");
        auto f = std::make_unique<MainWindow>(folder.path());
        QPointer<QWidget> window = f->show("TextVerteilen");
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *text = f->find<QPlainTextEdit>("Text", window);
        QTest::keyClicks(text, "Hallo");
        QTRY_COMPARE(readTextFile(kept).text, "Hallo");
        for (const bool byEsc : {false, true}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            byEsc ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape)
                  : void(window->close());
            QVERIFY(window->isHidden());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(f->show("TextVerteilen"), window.data());
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(QApplication::focusWidget()->objectName(), "Text");
        }
        window->hide();
        {
            // A second copy's "Text verteilen" works, starts empty, says that it keeps nothing and
            // overwrites nothing.
            MainWindow second(folder.path());
            QWidget *other = second.show("TextVerteilen");
            auto *otherText = second.find<QPlainTextEdit>("Text", other);
            QCOMPARE(otherText->toPlainText(), "");
            QCOMPARE(second.find<QLabel>("Sicherung", other)->text(),
                     "Dieser Text wird nicht gesichert: Tarvolin 2000 läuft bereits.");
            QTest::keyClicks(otherText, "Zweite");
        }
        QCOMPARE(readTextFile(kept).text, "Hallo");
        QTest::keyClicks(text, " Welt");
        text->moveCursor(QTextCursor::Left);
        QVERIFY(programEnds(f, window, false));

        const QDateTime old(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
        for (const QString &file : QDir(folder.path()).entryList(QDir::Files)) {
            QFile touched(folder.filePath(file));
            QVERIFY(touched.open(QIODevice::Append));
            QVERIFY(touched.setFileTime(old, QFileDevice::FileModificationTime));
        }
        MainWindow next(folder.path());
        text = next.find<QPlainTextEdit>("Text", next.show("TextVerteilen"));
        QCOMPARE(text->toPlainText(), "Hallo Welt");
        QCOMPARE(text->textCursor().position(), 9);
        next.form.reset();
        for (const QFileInfo &file : QDir(folder.path()).entryInfoList(QDir::Files))
            QCOMPARE(file.lastModified(), old);

        // Where the text cannot be kept, the window says why, keeps the text, and keeps it once it
        // can, without another keystroke: here a file stands where the data folder should be.
        const QString blocked = folder.filePath("blockiert");
        QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));
        MainWindow elsewhere(blocked);
        window = elsewhere.show("TextVerteilen");
        auto *sicherung = elsewhere.find<QLabel>("Sicherung", window);
        QCOMPARE(sicherung->text(), "Der Text kann nicht gesichert werden: Der Ordner „" +
                                        QDir::toNativeSeparators(blocked) +
                                        "“ kann nicht angelegt werden.");
        QVERIFY(sicherung->isVisible());
        QTest::keyClicks(elsewhere.find("Text", window), "Bleibt");
        QTest::qWait(1500); // past the write after the keystroke, which fails
        QVERIFY(QFile::remove(blocked));
        QTRY_VERIFY_WITH_TIMEOUT(sicherung->isHidden(), 10000);
        QCOMPARE(readTextFile(blocked + "/Text verteilen.txt").text, "Bleibt");
    }

    // "Öffnen" replaces the text as one edit, a dropped file too, and names the file in the title;
    // a refused file leaves the text and says why. "Speichern unter" writes the text and changes
    // nothing in the box. The file dialogs start where the last file was, in the next run too.
    void textWindowFiles()
    {
        MainWindow f;
        QWidget *window = f.show("TextVerteilen");
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *text = f.find<QPlainTextEdit>("Text", window);
        QTest::keyClicks(text, "Alt");
        const QTemporaryDir files;
        const QString scene = files.filePath("kapitel3.txt"), saved = files.filePath("rest.txt");
        QFile written(scene);
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write("\x84Gr\xfc\xdf\x65\x93");
        written.close();
        f.dialogs.answers = {scene, "", files.path(), saved, files.path()};

        QTest::keyClick(text, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), "„Grüße“");
        QCOMPARE(window->windowTitle(), "Text verteilen – kapitel3.txt");
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), "Alt");
        f.click("bt_Öffnen", window);
        f.click("bt_Öffnen", window);
        QCOMPARE(text->toPlainText(), "Alt");
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(readTextFile(saved).text, "Alt");
        QCOMPARE(window->windowTitle(), "Text verteilen – rest.txt");
        f.click("bt_Speichern", window);
        QCOMPARE(window->windowTitle(), "Text verteilen – rest.txt");
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(f.dialogs.shown,
                 QStringList({"Öffnen: [" + documents + "]", "Öffnen: [" + files.path() + "]",
                              "Öffnen: [" + files.path() + "]",
                              "Öffnen: „" + QDir::toNativeSeparators(files.path()) +
                                  "“ kann nicht geöffnet werden.\n\nDas ist ein Ordner, keine "
                                  "Datei.",
                              "Speichern unter: [" + files.path() + "]",
                              "Speichern unter: [" + files.path() + "]",
                              "Speichern unter: „" + QDir::toNativeSeparators(files.path()) +
                                  "“ kann nicht gespeichert werden.\n\nDas ist ein Ordner, "
                                  "keine Datei."}));

        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(scene)});
        const QPoint at = text->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QCoreApplication::sendEvent(text->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QCoreApplication::sendEvent(text->viewport(), &drop);
        QTRY_COMPARE(text->toPlainText(), "„Grüße“");

        f.form.reset();
        MainWindow again(f.dataFolder);
        again.click("bt_Öffnen", again.show("TextVerteilen"));
        QCOMPARE(again.dialogs.shown, QStringList("Öffnen: [" + files.path() + "]"));
    }

    // The program itself, started on a file and killed two seconds later, has kept the text.
    void textKeptThroughAKill()
    {
#ifdef Q_OS_WIN
        QSKIP(
            "There the program keeps its text in the user's own folder; the Wine check kills it.");
#endif
        const QTemporaryDir data;
        const QString scene = data.filePath("szene.txt");
        QCOMPARE(writeTextFile(scene, u"Szene eins\n\nSzene zwei"), "");
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment() << "XDG_DATA_HOME=" + data.path());
        program.start(TARVOLIN_PROGRAM, {"--version"});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.readAllStandardOutput(), "Tarvolin 2000 1.00\n");

        program.start(TARVOLIN_PROGRAM, {scene});
        const QString folder = data.filePath("Tarvolin 2000");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folder + "/Text verteilen.txt.lock"), 20000);
        QTest::qWait(2000);
        program.kill();
        QVERIFY(program.waitForFinished());
        MainWindow again(folder);
        QWidget *window = again.show("TextVerteilen");
        QCOMPARE(again.find<QPlainTextEdit>("Text", window)->toPlainText(),
                 "Szene eins\n\nSzene zwei");
        // The dead copy's lock is taken over.
        QVERIFY(again.find("Sicherung", window)->isHidden());
    }

    // Blanks and line breaks alone give nothing to take. Bad text, pasted, splits at once and shows
    // its first messages and the count, a message cut inside a word as ending inside a sentence;
    // the first message is taken into the input lines by Ctrl+Enter in the text. The split follows
    // the typed text and the alignment at once; Enter alone breaks the text's line; Ctrl+Enter on
    // the keypad takes the message too.
    void textWindowSplits()
    {
        MainWindow f;
        QWidget *window = f.show("TextVerteilen");
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *view = f.find<QPlainTextEdit>("Aufteilung", window);
        auto *take = f.find<QPushButton>("bt_Übernehmen", window);
        auto *text = f.find<QPlainTextEdit>("Text", window);
        for (const auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(text, key);
        QVERIFY(!take->isEnabled());
        QCOMPARE(view->toPlainText(), "Der Text ergibt keine Nachricht.");

        QApplication::clipboard()->setText(QString(1 << 20, u'x'));
        text->selectAll();
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        const QStringList shown = view->toPlainText().split('\n');
        QCOMPARE(shown.first(), "Der Text ergibt 5350 Nachrichten.");
        QCOMPARE(shown[2], "Nachricht 1 (endet mitten im Satz)");
        QVERIFY(shown.size() <= 1 + 25 * 6 + 2);
        // Typing keeps the view where it was scrolled.
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        QTest::keyClick(text, Qt::Key_A);
        QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(f.lines().first(), QString(49, u'x'));

        text->selectAll();
        QTest::keyClicks(text, "Der alte Waechter am Tor hebt langsam die Laterne!");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "Ende");
        QVERIFY(take->isEnabled());
        const QString one = "Der Text ergibt 1 Nachricht.\n\nNachricht 1\nDer alte Waechter am Tor";
        QCOMPARE(view->toPlainText(), one + "\nhebt langsam die Laterne!\nEnde");
        auto *toolbar = f.find<QToolBar>("Toolbar1");
        QTest::mouseClick(toolbar->widgetForAction(toolbar->actions().first()), Qt::LeftButton);
        QTRY_COMPARE(view->toPlainText(), one + " hebt langsam die Laterne!\nEnde");
        QCOMPARE(f.lines().first(), QString(49, u'x'));
        QTest::keyClick(text, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(f.lines(), QStringList({"Der alte Waechter am Tor hebt langsam die Laterne!",
                                         "Ende", "", ""}));
    }

    // "Übernehmen", by its button or its mnemonic, puts the first message into the input lines,
    // empties the others, evaluates them as "Auswerten" does, and leaves the rest of the text as
    // typed, with its no-break spaces and runs of blanks; the next press takes the next message,
    // and then nothing is left to take. Ctrl+Z brings the last message back.
    void textWindowTakes()
    {
        MainWindow f;
        QWidget *window = f.show("TextVerteilen");
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *text = f.find<QPlainTextEdit>("Text", window);
        auto *take = f.find<QPushButton>("bt_Übernehmen", window);
        // The raw text, as typed: the box's plain text turns no-break spaces into blanks.
        const auto typed = [text] {
            return text->document()->toRawText().replace(QChar::ParagraphSeparator, '\n');
        };
        const QString rest = "\u00a0Dritte\u00a0Nachricht   bleibt \n";
        // Shift+Enter in the box breaks a line as Enter does, with a line separator.
        text->setPlainText("Erste Zeile\u2028zweite  Zeile\n \n\n" + rest);

        QTest::mouseClick(take, Qt::LeftButton);
        QTRY_COMPARE(f.lines(), QStringList({"Erste Zeile", "zweite Zeile", "", ""}));
        QCOMPARE(typed(), rest);
        const QString evaluated = f.output();
        QVERIFY(evaluated.contains("Erste Zeile"));
        f.click("bt_Auswerten");
        QCOMPARE(f.output(), evaluated);

        QTest::keyClick(window, Qt::Key_Udiaeresis, Qt::AltModifier);
        QTRY_COMPARE(f.lines(), QStringList({"\u00a0Dritte\u00a0Nachricht bleibt", "", "", ""}));
        QCOMPARE(typed(), "");
        QVERIFY(!take->isEnabled());
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(typed(), rest);
    }

    // The list changes only for a category name, the code only for the selected name.
    void symbolDialog()
    {
        MainWindow f;
        QWidget *dialog = f.show("Dialog");
        auto *list = f.find<QListWidget>("symbol_Liste", dialog);
        auto *combo = f.find<QComboBox>("Combo", dialog);
        auto *code = f.find<QLineEdit>("tCode", dialog);
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
    // the menu and the toolbar, and copied. Enter presses the focused button, as Space does; in an
    // input line it does nothing, and Esc does nothing anywhere.
    void typedMessageToCopy()
    {
        MainWindow f;
        QVERIFY(QTest::qWaitForWindowActive(f.show("Form1")));
        const auto press = [](Qt::Key key, int tabs) {
            for (int i = 0; i < tabs; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), key);
        };
        press(Qt::Key_Return, 0); // in input line 1
        press(Qt::Key_Escape, 4); // on "Auswerten"
        QCOMPARE(f.output(), "");
        // Past the output box, the four "Refresh" buttons.
        press(Qt::Key_Return, 2);
        for (const auto key : {Qt::Key_Enter, Qt::Key_Space, Qt::Key_Return})
            press(key, 1);
        QCOMPARE(f.lines(), QStringList(4, ""));
        QTest::keyClicks(f.find("t_Zeile1_0"), "Hallo Welt!");
        f.find("bt_Auswerten")->setFocus();
        press(Qt::Key_Return, 0);
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
        QCOMPARE(f.lines(), QStringList(4, ""));
        QCOMPARE(f.output(), copied);
    }

    // The preview follows the output box, whatever changes it, and the face setting, and tells a
    // screen reader what each row shows in which colour. Played from the keyboard, a message with
    // the close code writes itself and closes; a change of the text stops it.
    void preview()
    {
        MainWindow f;
        // Neither it nor "Text verteilen" is made before it is asked for.
        QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), [](const QWidget *shown) {
            return QStringList({"Vorschau", "TextVerteilen"}).contains(shown->objectName());
        }));
        QWidget *window = f.show("Vorschau");
        QCOMPARE(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name),
                 "Vorschau");
        auto *drawn = f.find<MessageCanvas>("Nachricht", window);
        QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(drawn);
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
        auto *output = f.find<QPlainTextEdit>("Zindral");
        QCOMPARE(rows(), QStringList({"Zeile 1: ", "Zeile 2: ", "Zeile 3: ", "Zeile 4: "}));

        // What it paints, sampled where its cells stand, never compared whole, for fonts differ
        // between machines: colours, a glyph's picture, the message window's frame, the cells past
        // its edge, a fifth line below it; and a window as tall as the message.
        output->setPlainText(R"(\C[4]HH\C[0]H$D)"
                             "\r\n" +
                             QString(55, u'x') + "\r\n\r\nH\r\nHH");
        QImage image = drawn->grab().toImage();
        // Its notes stand in one line.
        QCOMPARE(hinweis->text(), "Zeile 2 ist 5 Zeichen zu lang. Zeile 5 steht nicht im Fenster.");
        QCOMPARE(rows().last(), "Zeile 5 (nicht im Fenster): HH");
        const QColor white = textColour(0), yellow = textColour(4), blue = windowColour();

        // A character in its colour, on the window's own colour.
        const QRect coloured = drawn->cellRect(0, 0, 2);
        QVERIFY(pixelsOf(image, coloured, yellow) > 0);
        QCOMPARE(pixelsOf(image, coloured, white), 0);
        QVERIFY(pixelsOf(image, drawn->cellRect(0, 2), white) > 0);
        QCOMPARE(image.pixelColor(coloured.topLeft()), blue);

        // The glyph's picture, each of its pixels drawn at the scale of its two cells.
        const QRect glyph = drawn->cellRect(0, 3, 2);
        const int scale = glyph.width() / kGlyphPixels;
        QCOMPARE(pixelsOf(image, glyph, white),
                 QString(symbolGlyph(3).picture).count('#') * scale * scale);

        // The window's frame stands around its 50 cells and 4 rows, with a border inside.
        const QRect last = drawn->cellRect(0, kWindowCells - 1);
        const QRect bottom = drawn->cellRect(kWindowRows - 1, 0);
        QCOMPARE(image.pixelColor(last.right() + 2, last.center().y()), blue);
        QVERIFY(image.pixelColor(last.right() + 2 * last.width(), last.center().y()) != blue);
        QCOMPARE(image.pixelColor(bottom.left(), bottom.bottom() + 2), blue);

        // Cells past the edge are marked, the last one inside is not.
        QCOMPARE(image.pixelColor(drawn->cellRect(1, kWindowCells + 4).topLeft()),
                 beyondEdgeColour());
        QCOMPARE(image.pixelColor(drawn->cellRect(1, kWindowCells - 1).topLeft()), blue);

        // A fifth line stands below the window; the window grows downwards for it, and shrinks
        // back.
        QVERIFY(pixelsOf(image, drawn->cellRect(4, 0, 2), white) > 0);
        const QPoint corner = window->pos();
        output->setPlainText("a\r\nb\r\nc\r\nd");
        QTRY_COMPARE(window->size(), window->sizeHint());
        const QSize compact = window->size();
        output->setPlainText("a\r\nb\r\nc\r\nd\r\ne");
        QTRY_VERIFY(window->height() > compact.height());
        QCOMPARE(window->width(), compact.width());
        QCOMPARE(window->pos(), corner);
        output->setPlainText("a\r\nb\r\nc\r\nd");
        QTRY_COMPARE(window->size(), compact);

        // Four lines: the canvas ends with the message window, and no empty band around the button
        // is taller than a text row.
        const QImage compactImage = drawn->grab().toImage();
        QVERIFY(compactImage.pixelColor(bottom.left(), compactImage.height() - 1) !=
                window->palette().window().color());
        const int row = window->fontMetrics().lineSpacing();
        const QWidget *play = f.find("bt_Abspielen", window);
        QVERIFY(play->y() - drawn->geometry().bottom() <= row);
        QVERIFY(window->height() - play->geometry().bottom() <= row);

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
        output->selectAll();
        QTest::keyClicks(output, R"(Hi$z\^)");
        QCOMPARE(rows(),
                 QStringList({"Zeile 1: Hi↙\u2060", "Zeile 2: ", "Zeile 3: ", "Zeile 4: "}));
        QTest::qWait(100);
        QCOMPARE(zustand->text(), "");

        QTest::keyClick(f.find("bt_Abspielen", window), Qt::Key_Space);
        QTRY_COMPARE(zustand->text(), "Das Fenster hat sich von selbst geschlossen.");
        QCOMPARE(rows(), QStringList({"Zeile 1: ", "Zeile 2: ", "Zeile 3: ", "Zeile 4: "}));
        // Once the message has ended, nothing is drawn again for it.
        PaintCounter counter;
        drawn->installEventFilter(&counter);
        QTest::qWait(300);
        QCOMPARE(counter.paints, 0);
    }

    // The about box's picture, each of its pixels stretched whole.
    void aboutPicture()
    {
        MainWindow f;
        const QImage shown = f.find("Image1", f.show("Dialog1"))->grab().toImage();
        const QImage picture(":/tarvolin/about.png");
        int wrong = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                wrong += shown.pixel((2 * x + 1) * shown.width() / (2 * picture.width()),
                                     (2 * y + 1) * shown.height() / (2 * picture.height())) !=
                         picture.pixel(x, y);
        QCOMPARE(wrong, 0);
    }

    // The toolkit's own boxes, in German, each checked and answered from inside its event loop
    // and always closed: a file chosen, a message, and a question answered in the user's number
    // format. The split of "Text verteilen" follows each setting as soon as it changes, the box
    // still open.
    void realBoxes()
    {
        QtDialogs dialogs;
        MainWindow f(QString(), &dialogs);
        QWidget *window = f.show("TextVerteilen");
        auto *view = f.find<QPlainTextEdit>("Aufteilung", window);
        auto *text = f.find<QPlainTextEdit>("Text", window);
        const QString scene = f.own.filePath("szene.txt");
        // Not there, the file box would wait with a warning of its own.
        QVERIFY(writeTextFile(scene, u"Szene").isEmpty() && QFileInfo::exists(scene));
        QTimer::singleShot(0, [scene] {
            auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            const auto close = qScopeGuard([files] { files->isVisible() && files->close(); });
            QCOMPARE(files->windowTitle(), "Öffnen");
            QCOMPARE(files->nameFilters(),
                     QStringList({"Textdateien (*.txt)", "Alle Dateien (*)"}));
            files->selectFile(scene);
            static_cast<QDialog *>(files)->accept();
        });
        f.find<QPushButton>("bt_Öffnen", window)->click();
        QCOMPARE(text->toPlainText(), "Szene");
        text->setPlainText("Ihr kommt spät, Reisende, sagt er laut");
        const QString oneLine = view->toPlainText();
        QTimer::singleShot(0, [&] {
            auto *message = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            const auto close = qScopeGuard([message] { message->isVisible() && message->close(); });
            QCOMPARE(message->windowTitle(), "Face On");
            QCOMPARE(message->text(), "Messages mit Faces");
            QCOMPARE(message->icon(), QMessageBox::Information);
            QCOMPARE(message->textFormat(), Qt::PlainText);
            // 38 units do not fit a face window centred.
            QTRY_VERIFY(view->toPlainText() != oneLine);
            QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
        });
        f.trigger("Face");
        QCOMPARE(f.state.Zeilenbreite, 38);

        QTimer::singleShot(0, [] {
            auto *input = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            const auto close = qScopeGuard([input] { input->isVisible() && input->close(); });
            QCOMPARE(input->windowTitle(), "Ausrichtung");
            QCOMPARE(input->labelText(),
                     "Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig");
            QCOMPARE(input->textValue(), "1");
            QCOMPARE(input->cancelButtonText(), "Abbrechen");
            QTest::keyClicks(input->findChild<QLineEdit *>(), "3,5");
            QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Return);
        });
        f.trigger("Ausrichtung");
        // A half goes to the even number: mode 4, which puts no blank in front, and they fit.
        QCOMPARE(f.state.AusrichtungsModus, 4);
        QTRY_COMPARE(view->toPlainText(), oneLine);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
