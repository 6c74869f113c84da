#include "form1_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;

namespace {

QString blanks(int count)
{
    return QString(count, u' ');
}

QList<QWidget *> secondaryWindows()
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"Dialog" || window->objectName() == u"Dialog1")
            found << window;
    return found;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void startsAndEvaluatesItsInitialTexts();
    void controls_data();
    void controls();
    void menusAndToolbar();
    void keyboard();
    void typicalMessageFromTypingToCopy();
    void longLinesAreWarnedAndKeptWhole();
    void clearingButtons_data();
    void clearingButtons();
    void commandsAreWired_data();
    void commandsAreWired();
    void endingClosesEverything_data();
    void endingClosesEverything();
};

void TestForm1::startsAndEvaluatesItsInitialTexts()
{
    Form1Fixture f;
    QCOMPARE(f.form->windowTitle(), u"Tarvolin 2000 v.3.00.00"_s);
    QCOMPARE(f.form->centralWidget()->size(), QSize(403, 387));
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    QVERIFY(
        !(f.form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(f.state.AusrichtungsModus, 1);
    QCOMPARE(f.state.Zeilenbreite, 50);
    QCOMPARE(f.output()->toPlainText(), QString());
    // "Zeile n" has 7 characters: (50 - 7) / 2 = 21.5, so 22 blanks.
    f.click(u"bt_Auswerten"_s);
    QStringList lines;
    for (int n = 1; n <= 4; ++n)
        lines << blanks(22) + u"Zeile %1"_s.arg(n);
    QCOMPARE(f.form->ausgabe(), lines.join(u"\r\n"_s));
    QCOMPARE(f.output()->toPlainText(), lines.join(u'\n'));
}

void TestForm1::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("toolbar") << "Toolbar1"
                             << "Ausrichtung und Face" << QRect(0, 0, 403, 22);
    QTest::newRow("input frame") << "Frame1"
                                 << "Eingabe" << QRect(0, 24, 401, 145);
    QTest::newRow("line 1") << "t_Zeile1_0"
                            << "Zeile 1" << QRect(32, 48, 305, 19);
    QTest::newRow("line 4") << "t_Zeile1_3"
                            << "Zeile 4" << QRect(32, 120, 305, 19);
    QTest::newRow("refresh 1") << "bt_Refresh_0"
                               << "Refresh Zeile 1" << QRect(344, 48, 49, 17);
    QTest::newRow("refresh 4") << "bt_Refresh"
                               << "Refresh Zeile 4" << QRect(344, 120, 49, 17);
    QTest::newRow("refresh all") << "bt_Refresh_All"
                                 << "Refresh All" << QRect(328, 144, 65, 17);
    QTest::newRow("evaluate") << "bt_Auswerten"
                              << "Auswerten" << QRect(0, 176, 401, 33);
    QTest::newRow("output frame") << "Frame2"
                                  << "Ausgabe" << QRect(0, 216, 401, 169);
    QTest::newRow("output") << "Zindral"
                            << "Ausgabe" << QRect(8, 232, 385, 145);
}

void TestForm1::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QRect, geometry);
    Form1Fixture f;
    f.form->show();
    auto *widget = f.child<QWidget>(name);
    QCOMPARE(QRect(widget->mapTo(f.form->centralWidget(), QPoint(0, 0)), widget->size()), geometry);
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
             accessibleName);
}

void TestForm1::menusAndToolbar()
{
    Form1Fixture f;
    QStringList seen;
    for (QAction *menuAction : f.form->menuBar()->actions()) {
        seen << menuAction->menu()->objectName() + u'=' + menuAction->text();
        for (QAction *item : menuAction->menu()->actions())
            seen << item->objectName() + u'=' + item->text();
    }
    QCOMPARE(seen,
             (QStringList{u"Datei=&Datei"_s, u"Beenden=&Beenden"_s, u"Optionen=&Messsageoptionen"_s,
                          u"Geschwindigkeit=Schrift&geschwindigkeit"_s, u"Farbe=&Farbe"_s,
                          u"Ausrichtung=Aus&richtung"_s, u"Schließen=Au&tomatisches Schließen"_s,
                          u"Face=&Face On/Off"_s, u"Symbole=S&ymbole"_s,
                          u"Pünktchen=...(Schweigen)"_s, u"Hilfe=&Hilfe"_s, u"About=Abo&ut"_s}));

    auto *toolbar = f.child<QToolBar>(u"Toolbar1"_s);
    QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextOnly);
    QVERIFY(!toolbar->isMovable() && !toolbar->toggleViewAction()->isVisible());
    seen.clear();
    for (QAction *action : toolbar->actions()) {
        seen << action->text() + u'|' + action->toolTip();
        QCOMPARE(toolbar->widgetForAction(action)->size(), QSize(87, 22));
    }
    QCOMPARE(seen, (QStringList{u"Links|Richtet die Message links aus."_s,
                                u"Zentriert|Zentriert die Zindral."_s,
                                u"Rechts|Richtet die Message rechts."_s,
                                u"Face On/Off|Layout für Brumwick."_s}));
}

void TestForm1::keyboard()
{
    Form1Fixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(QApplication::focusWidget(), f.line(0));
    // No default and no cancel button: Enter and Esc in a line do nothing.
    QTest::keyClick(f.line(0), Qt::Key_Return);
    QTest::keyClick(f.line(0), Qt::Key_Escape);
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.form->ausgabe(), QString());
    QStringList order;
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
             (QStringList{u"t_Zeile1_1"_s, u"t_Zeile1_2"_s, u"t_Zeile1_3"_s, u"bt_Auswerten"_s,
                          u"Zindral"_s, u"bt_Refresh_0"_s, u"bt_Refresh_1"_s, u"bt_Refresh_2"_s,
                          u"bt_Refresh"_s, u"bt_Refresh_All"_s, u"t_Zeile1_0"_s}));
}

void TestForm1::typicalMessageFromTypingToCopy()
{
    Form1Fixture f;
    f.line(0)->clear();
    QTest::keyClicks(f.line(0), u"Hallo Welt!"_s);
    for (const QString &button : {u"bt_Refresh_1"_s, u"bt_Refresh_2"_s, u"bt_Refresh"_s})
        f.click(button);
    f.click(u"bt_Auswerten"_s);
    f.dialogs.answers = QStringList{u"1"_s, u"4"_s, u"2"_s};
    f.trigger(u"Farbe"_s);
    f.trigger(u"Schließen"_s);
    const QString empty = blanks(25);
    const QString expected = u"\\C[4]"_s + blanks(20) + u"Hallo Welt!\\C[0]\r\n"_s + empty +
                             u"\r\n"_s + empty + u"\r\n"_s + empty + u"\\.\\.\\^"_s;
    QCOMPARE(f.form->ausgabe(), expected);
    QCOMPARE(f.output()->toPlainText(), QString(expected).replace(u"\r\n"_s, u"\n"_s));
    QVERIFY(f.dialogs.messages.isEmpty());
    // A new evaluation lays the lines out afresh, without the codes.
    f.click(u"bt_Auswerten"_s);
    QVERIFY(!f.form->ausgabe().contains(u'\\'));
}

void TestForm1::longLinesAreWarnedAndKeptWhole()
{
    Form1Fixture f;
    const QString huge(1 << 20, u'x');
    f.line(0)->setText(huge);
    f.line(2)->setText(QString(53, u'y'));
    f.click(u"bt_Auswerten"_s);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.dialogs.messages[0].text,
             u"Die  1. Zeile ist  %1 Zeichen zu lang."_s.arg(huge.size() - 50));
    QCOMPARE(f.dialogs.messages[1].text, u"Die  3. Zeile ist  3 Zeichen zu lang."_s);
    QCOMPARE(f.dialogs.messages[1].title, u"Zeilenlänge"_s);
    QCOMPARE(f.output()->toPlainText().section(u'\n', 0, 0), u' ' + huge);
}

void TestForm1::clearingButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("emptied");
    QTest::newRow("line 1") << "bt_Refresh_0" << QList<int>{0};
    QTest::newRow("line 2") << "bt_Refresh_1" << QList<int>{1};
    QTest::newRow("line 3") << "bt_Refresh_2" << QList<int>{2};
    QTest::newRow("line 4") << "bt_Refresh" << QList<int>{3};
    QTest::newRow("all") << "bt_Refresh_All" << QList<int>{0, 1, 2, 3};
}

void TestForm1::clearingButtons()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, emptied);
    Form1Fixture f;
    f.click(u"bt_Auswerten"_s);
    const QString before = f.form->ausgabe();
    f.click(button);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(f.line(i)->text(), emptied.contains(i) ? QString() : u"Zeile %1"_s.arg(i + 1));
    QCOMPARE(f.form->ausgabe(), before);
}

void TestForm1::commandsAreWired_data()
{
    QTest::addColumn<QString>("command"); // a menu item, or a toolbar button's text
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("line4");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("message");
    const QString evaluated = blanks(22) + u"Zeile 4"_s;
    QTest::newRow("speed") << "Geschwindigkeit" << QStringList{u"4"_s, u"20"_s}
                           << u"\\S[20]"_s + evaluated << "1/50"
                           << "";
    QTest::newRow("colour") << "Farbe" << QStringList{u"4"_s, u"19"_s}
                            << u"\\C[19]"_s + evaluated + u"\\C[0]"_s << "1/50"
                            << "";
    QTest::newRow("pause") << "Pünktchen" << QStringList{u"4"_s} << evaluated + u"\\..\\..\\.."_s
                           << "1/50"
                           << "";
    QTest::newRow("cancelled") << "Farbe" << QStringList{u"4"_s} << evaluated << "1/50"
                               << "";
    QTest::newRow("alignment") << "Ausrichtung" << QStringList{u" 2,5 "_s} << evaluated << "2/50"
                               << "";
    QTest::newRow("menu face") << "Face" << QStringList{} << evaluated << "1/38"
                               << "Face On: Messages mit Faces";
    QTest::newRow("toolbar face") << "Face On/Off" << QStringList{} << evaluated << "1/26"
                                  << "Face On: Faces ON";
    QTest::newRow("toolbar right") << "Rechts" << QStringList{} << evaluated << "2/50"
                                   << "";
    QTest::newRow("toolbar left") << "Links" << QStringList{} << evaluated << "3/50"
                                  << "";
}

void TestForm1::commandsAreWired()
{
    QFETCH(QString, command);
    QFETCH(QStringList, answers);
    QFETCH(QString, line4);
    QFETCH(QString, settings);
    QFETCH(QString, message);
    Form1Fixture f;
    f.click(u"bt_Auswerten"_s);
    f.state.AusrichtungsModus = 1;
    f.dialogs.answers = answers;
    if (auto *item = f.form->findChild<QAction *>(command)) {
        item->trigger();
    } else {
        auto *toolbar = f.child<QToolBar>(u"Toolbar1"_s);
        for (QAction *action : toolbar->actions())
            if (action->text() == command)
                QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    }
    QCOMPARE(f.form->ausgabe().section(u"\r\n"_s, 3), line4);
    QCOMPARE(u"%1/%2"_s.arg(f.state.AusrichtungsModus).arg(f.state.Zeilenbreite), settings);
    QStringList shown;
    for (const auto &box : f.dialogs.messages)
        shown << box.title + u": "_s + box.text;
    QCOMPARE(shown.join(u'\n'), message);
}

void TestForm1::endingClosesEverything_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("hideFirst");
    QTest::newRow("Beenden, windows visible") << true << false;
    QTest::newRow("close box, windows hidden") << false << true;
}

void TestForm1::endingClosesEverything()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, hideFirst);
    Form1Fixture f;
    f.form->show();
    for (int round = 0; round < 2; ++round) {
        f.trigger(u"About"_s);
        f.trigger(u"Symbole"_s);
    }
    QList<QPointer<QWidget>> secondary;
    for (QWidget *window : secondaryWindows()) {
        QCOMPARE(window->parentWidget(), nullptr);
        secondary << window;
        if (hideFirst)
            window->hide();
    }
    QCOMPARE(secondary.size(), 2); // a second request opens no second window

    QTimer::singleShot(0, f.form.get(), [&] {
        if (byMenu)
            f.trigger(u"Beenden"_s);
        else
            f.form->close();
    });
    // Should ending fail, this still stops the loop, and the check below fails.
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    guard.start(5000);
    QCoreApplication::exec();
    QVERIFY(!timedOut);
    f.form.reset();
    for (const auto &window : secondary)
        QVERIFY(window.isNull());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
