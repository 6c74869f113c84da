#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/startup.h"

#include <QApplication>

int main(int, char *argv[])
{
    // The toolkit sees only the program name, so no command-line option reaches it.
    int argc = 1;
    QApplication app(argc, argv);
    setUpApplication();

    Module1 state;
    QtDialogs dialogs;
    Form1 window(state, dialogs);
    window.show();
    return QApplication::exec();
}
