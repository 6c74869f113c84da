#include "app/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

QString QtDialogs::ask(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                 QLineEdit::Normal, defaultAnswer, &ok);
    return ok ? answer : QString();
}

void QtDialogs::inform(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Messages quote the user's own lines at times; never let them pass for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
