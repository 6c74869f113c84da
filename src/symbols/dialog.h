#pragma once

#include <QDialog>

// The symbol dialog.
class Dialog final : public QDialog {
    Q_OBJECT

  public:
    explicit Dialog(QWidget *parent = nullptr);
};
