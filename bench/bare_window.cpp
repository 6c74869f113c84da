// The smallest Qt main window worth comparing the program with: one menu, one text-only toolbar
// and an output box, as large as the program's window. It starts, shows and quits exactly as the
// start-up probe does.
#include "app/twips.h"
#include "quit_when_idle.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Beenden"));
    QToolBar *toolbar = window.addToolBar(QStringLiteral("Ausrichtung"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar->addAction(QStringLiteral("Links"));
    window.setCentralWidget(new QPlainTextEdit);
    // Painting a larger window costs more, so both fill the same area.
    const QSize clientArea = twipsSize(6045, 5805);
    window.setFixedSize(clientArea.width(),
                        clientArea.height() + window.menuBar()->sizeHint().height());
    window.show();
    quitWhenIdleAfterShowing();
    return QApplication::exec();
}
