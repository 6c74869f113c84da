#pragma once

#include <QDialog>

// The about box.
class Dialog1 final : public QDialog {
    Q_OBJECT

  public:
    explicit Dialog1(QWidget *parent = nullptr);
};
