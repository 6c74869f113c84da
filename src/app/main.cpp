#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/startup.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const QString file = fileFromCommandLine();

    Module1 state;
    QtDialogs dialogs;
    Form1 window(state, dialogs, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    window.show();
    if (!file.isEmpty())
        window.openTextFile(file);
    return QApplication::exec();
}
