#include "form1_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QString blanks(int count)
{
    return QString(count, u' ');
}

QString shownAs(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void startsWithItsInitialTexts();
    void controlsStandWhereDrawn_data();
    void controlsStandWhereDrawn();
    void menusInOrder();
    void toolbarIsTextOnlyAndFixed();
    void focusStartsInLineOneAndTabsInOrder();
    void enterAndEscapeDoNothing();
    void typicalMessageFromTypingToCopy();
    void longLinesAreWarnedAndKeptWhole();
    void auswertenRightAfterStart();
    void clearingButtons_data();
    void clearingButtons();
    void toolbarButtonsChangeSettings();
    void cancelledCommandLeavesOutputAlone_data();
    void cancelledCommandLeavesOutputAlone();
    void accessibleNames_data();
    void accessibleNames();
    void secondaryWindowsExistOnce();
    void endingClosesEverything_data();
    void endingClosesEverything();
};

void TestForm1::startsWithItsInitialTexts()
{
    Form1Fixture f;
    QCOMPARE(f.form->windowTitle(), u"Tarvolin 2000 v.3.00.00"_s);
    QCOMPARE(f.state.AusrichtungsModus, 1);
    QCOMPARE(f.state.Zeilenbreite, 50);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.line(i)->text(), QStringLiteral("Zeile %1").arg(i + 1));
        QVERIFY(f.line(i)->maxLength() >= 1 << 24);
    }
    QCOMPARE(f.output()->toPlainText(), QString());
    QCOMPARE(f.form->ausgabe(), QString());
    QCOMPARE(f.form->centralWidget()->size(), QSize(403, 387));
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    const Qt::WindowFlags flags = f.form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

void TestForm1::controlsStandWhereDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("toolbar") << "Toolbar1" << QString() << QRect(0, 0, 403, 22);
    QTest::newRow("input frame") << "Frame1"
                                 << "Eingabe" << QRect(0, 24, 401, 145);
    QTest::newRow("line 1") << "t_Zeile1_0" << QString() << QRect(32, 48, 305, 19);
    QTest::newRow("line 4") << "t_Zeile1_3" << QString() << QRect(32, 120, 305, 19);
    QTest::newRow("refresh 1") << "bt_Refresh_0"
                               << "Refresh" << QRect(344, 48, 49, 17);
    QTest::newRow("refresh 2") << "bt_Refresh_1"
                               << "Refresh" << QRect(344, 72, 49, 17);
    QTest::newRow("refresh 3") << "bt_Refresh_2"
                               << "Refresh" << QRect(344, 96, 49, 17);
    QTest::newRow("refresh 4") << "bt_Refresh"
                               << "Refresh" << QRect(344, 120, 49, 17);
    QTest::newRow("refresh all") << "bt_Refresh_All"
                                 << "Refresh All" << QRect(328, 144, 65, 17);
    QTest::newRow("evaluate") << "bt_Auswerten"
                              << "Auswerten" << QRect(0, 176, 401, 33);
    QTest::newRow("output frame") << "Frame2"
                                  << "Ausgabe" << QRect(0, 216, 401, 169);
    QTest::newRow("output") << "Zindral" << QString() << QRect(8, 232, 385, 145);
}

void TestForm1::controlsStandWhereDrawn()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    Form1Fixture f;
    auto *widget = f.child<QWidget>(name);
    QWidget *client = f.form->centralWidget();
    QCOMPARE(QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()), geometry);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(frame->title(), caption);
}

void TestForm1::menusInOrder()
{
    Form1Fixture f;
    QStringList seen;
    for (QAction *menuAction : f.form->menuBar()->actions()) {
        QMenu *menu = menuAction->menu();
        seen << menu->objectName() + u'=' + menu->title();
        for (QAction *item : menu->actions()) {
            seen << item->objectName() + u'=' + item->text();
            QVERIFY(item->isEnabled() && item->isVisible() && !item->isCheckable());
            QVERIFY(item->shortcut().isEmpty());
        }
    }
    const QStringList expected{
        u"Datei=&Datei"_s,
        u"Beenden=&Beenden"_s,
        u"Optionen=&Messsageoptionen"_s,
        u"Geschwindigkeit=Schrift&geschwindigkeit"_s,
        u"Farbe=&Farbe"_s,
        u"Ausrichtung=Aus&richtung"_s,
        u"Schließen=Au&tomatisches Schließen"_s,
        u"Face=&Face On/Off"_s,
        u"Symbole=S&ymbole"_s,
        u"Pünktchen=...(Schweigen)"_s,
        u"Hilfe=&Hilfe"_s,
        u"About=Abo&ut"_s,
    };
    QCOMPARE(seen, expected);
}

void TestForm1::toolbarIsTextOnlyAndFixed()
{
    Form1Fixture f;
    auto *toolbar = f.child<QToolBar>(QStringLiteral("Toolbar1"));
    QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextOnly);
    QVERIFY(!toolbar->isMovable());
    QVERIFY(!toolbar->toggleViewAction()->isVisible());
    QStringList seen;
    for (QAction *action : toolbar->actions()) {
        seen << action->text() + u'|' + action->toolTip();
        QCOMPARE(toolbar->widgetForAction(action)->size(), QSize(87, 22));
    }
    QCOMPARE(seen, (QStringList{u"Links|Richtet die Message links aus."_s,
                                u"Zentriert|Zentriert die Zindral."_s,
                                u"Rechts|Richtet die Message rechts."_s,
                                u"Face On/Off|Layout für Brumwick."_s}));
}

void TestForm1::focusStartsInLineOneAndTabsInOrder()
{
    Form1Fixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(QApplication::focusWidget(), f.line(0));
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

void TestForm1::enterAndEscapeDoNothing()
{
    Form1Fixture f;
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QTest::keyClick(f.line(0), Qt::Key_Return);
    QTest::keyClick(f.line(0), Qt::Key_Escape);
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.form->ausgabe(), QString());
    QCOMPARE(f.state.MsgZeilen[1], QString());
    QCOMPARE(f.line(0)->text(), u"Zeile 1"_s);
}

void TestForm1::typicalMessageFromTypingToCopy()
{
    Form1Fixture f;
    f.line(0)->clear();
    QTest::keyClicks(f.line(0), QStringLiteral("Hallo Welt!"));
    f.click(QStringLiteral("bt_Refresh_1"));
    f.click(QStringLiteral("bt_Refresh_2"));
    f.click(QStringLiteral("bt_Refresh"));
    f.click(QStringLiteral("bt_Auswerten"));
    const QString empty = blanks(25);
    QString expected =
        blanks(20) + u"Hallo Welt!\r\n"_s + empty + u"\r\n"_s + empty + u"\r\n"_s + empty;
    QCOMPARE(f.form->ausgabe(), expected);
    QCOMPARE(f.output()->toPlainText(), shownAs(expected));
    QVERIFY(f.dialogs.messages.isEmpty());

    f.dialogs.answers = QStringList{u"1"_s, u"4"_s};
    f.trigger(QStringLiteral("Farbe"));
    f.dialogs.answers = QStringList{u"2"_s};
    f.trigger(QStringLiteral("Schließen"));
    expected = u"\\C[4]"_s + blanks(20) + u"Hallo Welt!\\C[0]\r\n"_s + empty + u"\r\n"_s + empty +
               u"\r\n"_s + empty + u"\\.\\.\\^"_s;
    QCOMPARE(f.form->ausgabe(), expected);
    QCOMPARE(f.output()->toPlainText(), shownAs(expected));

    // A new evaluation lays the lines out afresh, without the codes.
    f.click(QStringLiteral("bt_Auswerten"));
    QVERIFY(!f.form->ausgabe().contains(u'\\'));
}

void TestForm1::longLinesAreWarnedAndKeptWhole()
{
    Form1Fixture f;
    const QString huge(1 << 20, u'x');
    f.line(0)->setText(huge);
    f.line(2)->setText(QString(53, u'y'));
    f.click(QStringLiteral("bt_Auswerten"));
    QCOMPARE(f.line(0)->text().size(), huge.size());
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("Die  1. Zeile ist  %1 Zeichen zu lang.").arg(huge.size() - 50));
    QCOMPARE(f.dialogs.messages[1].text, u"Die  3. Zeile ist  3 Zeichen zu lang."_s);
    QCOMPARE(f.dialogs.messages[1].title, u"Zeilenlänge"_s);
    QCOMPARE(f.state.MsgZeilen[1], u' ' + huge);
    QCOMPARE(f.output()->toPlainText().section(u'\n', 0, 0), u' ' + huge);
}

void TestForm1::auswertenRightAfterStart()
{
    Form1Fixture f;
    f.click(QStringLiteral("bt_Auswerten"));
    // "Zeile n" has 7 characters: (50 - 7) / 2 = 21.5, so 22 blanks.
    QStringList lines;
    for (int n = 1; n <= 4; ++n)
        lines << blanks(22) + QStringLiteral("Zeile %1").arg(n);
    QCOMPARE(f.form->ausgabe(), lines.join(u"\r\n"_s));
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
    f.click(QStringLiteral("bt_Auswerten"));
    const QString before = f.form->ausgabe();
    f.click(button);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(f.line(i)->text(),
                 emptied.contains(i) ? QString() : QStringLiteral("Zeile %1").arg(i + 1));
    QCOMPARE(f.form->ausgabe(), before);
    QCOMPARE(f.output()->toPlainText(), shownAs(before));
}

void TestForm1::toolbarButtonsChangeSettings()
{
    Form1Fixture f;
    auto *toolbar = f.child<QToolBar>(QStringLiteral("Toolbar1"));
    auto press = [&](const QString &text) {
        for (QAction *action : toolbar->actions())
            if (action->text() == text)
                QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    };
    press(QStringLiteral("Face On/Off"));
    QCOMPARE(f.state.Zeilenbreite, 26);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text, u"Faces ON"_s);
    QCOMPARE(f.dialogs.messages[0].title, u"Face On"_s);
    press(QStringLiteral("Rechts"));
    QCOMPARE(f.state.AusrichtungsModus, 2);
    QCOMPARE(f.state.Zeilenbreite, 38);
    press(QStringLiteral("Links"));
    QCOMPARE(f.state.AusrichtungsModus, 3);
    press(QStringLiteral("Zentriert"));
    QCOMPARE(f.state.AusrichtungsModus, 1);
    QCOMPARE(f.state.Zeilenbreite, 26);
    QCOMPARE(f.dialogs.messages.size(), 1);
    f.trigger(QStringLiteral("Face"));
    QCOMPARE(f.state.Zeilenbreite, 50);
    QCOMPARE(f.dialogs.messages.last().text, u"Messages ohne Faces"_s);
    f.dialogs.answers = QStringList{u" 2,5 "_s};
    f.trigger(QStringLiteral("Ausrichtung"));
    QCOMPARE(f.state.AusrichtungsModus, 2);
    QCOMPARE(f.form->ausgabe(), QString());
}

void TestForm1::cancelledCommandLeavesOutputAlone_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("questions");
    QTest::newRow("colour cancelled") << "Farbe" << QStringList{u"2"_s} << 2;
    QTest::newRow("speed not a number") << "Geschwindigkeit" << QStringList{u"1"_s, u"x"_s} << 2;
    QTest::newRow("pause cancelled") << "Pünktchen" << QStringList{} << 1;
    QTest::newRow("auto close emptied") << "Schließen" << QStringList{u""_s} << 1;
    QTest::newRow("alignment too large") << "Ausrichtung" << QStringList{u"40000"_s} << 1;
}

void TestForm1::cancelledCommandLeavesOutputAlone()
{
    QFETCH(QString, item);
    QFETCH(QStringList, answers);
    QFETCH(int, questions);
    Form1Fixture f;
    f.click(QStringLiteral("bt_Auswerten"));
    f.output()->setPlainText(u"edited by the user"_s);
    const QString before = f.form->ausgabe();
    const auto stored = f.state.MsgZeilen;
    f.dialogs.answers = answers;
    f.trigger(item);
    QCOMPARE(f.dialogs.questions.size(), questions);
    QCOMPARE(f.form->ausgabe(), before);
    QCOMPARE(f.output()->toPlainText(), u"edited by the user"_s);
    QCOMPARE(f.state.MsgZeilen, stored);
    QCOMPARE(f.state.AusrichtungsModus, 1);
    QCOMPARE(f.state.Zeilenbreite, 50);
}

void TestForm1::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    for (int i = 0; i < 4; ++i)
        QTest::addRow("line %d", i + 1)
            << QStringLiteral("t_Zeile1_%1").arg(i) << QStringLiteral("Zeile %1").arg(i + 1);
    QTest::newRow("output") << "Zindral"
                            << "Ausgabe";
    QTest::newRow("evaluate") << "bt_Auswerten"
                              << "Auswerten";
    QTest::newRow("refresh 4") << "bt_Refresh"
                               << "Refresh Zeile 4";
    QTest::newRow("refresh all") << "bt_Refresh_All"
                                 << "Refresh All";
}

void TestForm1::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    Form1Fixture f;
    f.form->show();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(f.child<QWidget>(name));
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), accessibleName);
}

void TestForm1::secondaryWindowsExistOnce()
{
    Form1Fixture f;
    f.form->show();
    for (int round = 0; round < 2; ++round) {
        f.trigger(QStringLiteral("About"));
        f.trigger(QStringLiteral("Symbole"));
    }
    QStringList secondary;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"Dialog" || window->objectName() == u"Dialog1") {
            secondary << window->objectName();
            QVERIFY(window->isVisible());
            QCOMPARE(window->parentWidget(), nullptr);
        }
    secondary.sort();
    QCOMPARE(secondary, (QStringList{u"Dialog"_s, u"Dialog1"_s}));
}

void TestForm1::endingClosesEverything_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("hideFirst");
    QTest::newRow("Beenden, windows visible") << true << false;
    QTest::newRow("Beenden, windows hidden") << true << true;
    QTest::newRow("close box, windows visible") << false << false;
    QTest::newRow("close box, windows hidden") << false << true;
}

void TestForm1::endingClosesEverything()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, hideFirst);
    Form1Fixture f;
    f.form->show();
    f.trigger(QStringLiteral("About"));
    f.trigger(QStringLiteral("Symbole"));
    QList<QPointer<QWidget>> secondary;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"Dialog" || window->objectName() == u"Dialog1") {
            secondary << window;
            if (hideFirst)
                window->hide();
        }
    QCOMPARE(secondary.size(), 2);

    QTimer::singleShot(0, f.form.get(), [&] {
        if (byMenu)
            f.trigger(QStringLiteral("Beenden"));
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
    QVERIFY(!f.form->isVisible());
    f.form.reset();
    for (const auto &window : secondary)
        QVERIFY(window.isNull());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
