#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/toolkit_translation.h"

#include <QApplication>
#include <QIcon>

int main(int, char *argv[])
{
    // The toolkit sees only the program name, so no command-line option reaches it.
    int argc = 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin 2000"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVOLIN_APP_ID));
    // One picture per size, so each size is drawn pixel for pixel instead of scaled.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/tarvolin/icons/%1x%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    installToolkitTranslation();

    Module1 state;
    QtDialogs dialogs;
    Form1 window(state, dialogs);
    window.show();
    return QApplication::exec();
}
