#include "symbols/dialog.h"

Dialog::Dialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
}
