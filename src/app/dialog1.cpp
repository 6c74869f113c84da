#include "app/dialog1.h"

Dialog1::Dialog1(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Dialog1"));
    setWindowTitle(QStringLiteral("About"));
}
