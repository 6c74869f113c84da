#include "app/startup.h"

#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/toolkit_translation.h"
#include "application_icon.h"

#include <QApplication>
#include <QLocale>

int runProgram(char *programName)
{
    // QApplication keeps references to both for its whole life.
    int argc = 1;
    char *argv[] = {programName, nullptr};
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin 2000"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVOLIN_APP_ID));
    QApplication::setWindowIcon(applicationIcon());

    installToolkitTranslation();

    Module1 state;
    QtDialogs dialogs;
    Form1 window(state, dialogs, QLocale::system());
    window.show();
    return QApplication::exec();
}
