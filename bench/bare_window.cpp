// The smallest Qt main window worth comparing the program with: one menu, one text-only toolbar
// and an output box. It starts, shows and quits exactly as the start-up probe does.
#include "quit_when_idle.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Beenden"));
    QToolBar *toolbar = window.addToolBar(QStringLiteral("Ausrichtung"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar->addAction(QStringLiteral("Links"));
    window.setCentralWidget(new QPlainTextEdit);
    window.show();
    quitWhenIdleAfterShowing();
    return QApplication::exec();
}
