#include "app/startup.h"

#include "app/form1.h"
#include "app/qt_dialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int runProgram(char *programName, const std::function<void()> &whenShown) {
    // QApplication keeps references to both for its whole life.
    int argc = 1;
    char *argv[] = {programName, nullptr};
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin 2000"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVOLIN_APP_ID));

    // The toolkit's own buttons ("Abbrechen") must speak German like the rest of the program.
    QTranslator qtTranslation;
    if (qtTranslation.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslation);

    Module1 state;
    QtDialogs dialogs;
    Form1 window(state, dialogs, QLocale::system());
    window.show();
    if (whenShown)
        whenShown();
    return QApplication::exec();
}
