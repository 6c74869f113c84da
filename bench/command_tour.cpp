// Starts the main window, works through the commands the way a user would and quits: a run long
// enough for a memory checker to see the windows, the commands and the shutdown.
#include "app/form1.h"
#include "scripted_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace {

int failures = 0;

void expect(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "command tour: %s\n", what);
        ++failures;
    }
}

void trigger(Form1 &form, const char *name)
{
    auto *action = form.findChild<QAction *>(QString::fromUtf8(name));
    expect(action != nullptr, name);
    if (action)
        action->trigger();
}

void tour(Form1 &form, ScriptedDialogs &dialogs)
{
    auto *auswerten = form.findChild<QPushButton *>(QStringLiteral("bt_Auswerten"));
    form.findChild<QLineEdit *>(QStringLiteral("t_Zeile1_0"))
        ->setText(QStringLiteral("Hallo Welt!"));
    form.findChild<QPushButton *>(QStringLiteral("bt_Refresh_1"))->click();
    auswerten->click();
    expect(form.ausgabe().startsWith(QString(20, u' ') + QStringLiteral("Hallo Welt!\r\n")),
           "evaluation");

    dialogs.answers = {QStringLiteral("1"), QStringLiteral("4")};
    trigger(form, "Farbe");
    expect(form.ausgabe().startsWith(QStringLiteral("\\C[4]")), "colour");
    dialogs.answers = {QStringLiteral("2"), QStringLiteral("5")};
    trigger(form, "Geschwindigkeit");
    dialogs.answers = {QStringLiteral("3")};
    trigger(form, "Pünktchen");
    dialogs.answers = {QStringLiteral("2")};
    trigger(form, "Schließen");
    expect(form.ausgabe().endsWith(QStringLiteral("\\.\\.\\^")), "automatic close");

    trigger(form, "Face");
    auto *toolbar = form.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    for (QAction *button : toolbar->actions())
        button->trigger();
    dialogs.answers = {QStringLiteral("2")};
    trigger(form, "Ausrichtung");
    // A long line on the way: warnings only in centred mode, so centre again first.
    dialogs.answers = {QStringLiteral("1")};
    trigger(form, "Ausrichtung");
    form.findChild<QLineEdit *>(QStringLiteral("t_Zeile1_2"))->setText(QString(60, u'x'));
    auswerten->click();
    expect(!dialogs.messages.isEmpty(), "length warning");

    trigger(form, "Symbole");
    trigger(form, "About");
    trigger(form, "About");
    form.findChild<QPushButton *>(QStringLiteral("bt_Refresh_All"))->click();
    trigger(form, "Beenden");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Module1 state;
    ScriptedDialogs dialogs;
    Form1 form(state, dialogs, QLocale::system());
    form.show();
    QTimer::singleShot(0, &form, [&] { tour(form, dialogs); });
    // "&Beenden" ends the program; if it ever stops doing so, the run must not hang.
    QTimer::singleShot(60000, &app, [] {
        expect(false, "Beenden did not end the program");
        QCoreApplication::exit(1);
    });
    const int status = QApplication::exec();
    return status != 0 || failures != 0 ? 1 : 0;
}
