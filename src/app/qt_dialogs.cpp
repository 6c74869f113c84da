#include "app/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
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

QString QtDialogs::fileName(FileUse use, const QString &title, const QString &folder)
{
    QFileDialog dialog(QApplication::activeWindow(), title, folder,
                       QStringLiteral("Textdateien (*.txt);;Alle Dateien (*)"));
    if (use == FileUse::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
