#pragma once

#include <QDialog>

class QPushButton;

// The about box: product name, version and a picture, with one button that hides it.
class Dialog1 final : public QDialog {
    Q_OBJECT

public:
    explicit Dialog1(QWidget *parent = nullptr);

    void OKButton_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *OKButton = nullptr;
};
