#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

// The symbol dialog: lists the glyph names of a category and shows the code of the chosen one
// for the user to copy.
class Dialog final : public QDialog {
    Q_OBJECT

public:
    explicit Dialog(QWidget *parent = nullptr);

    void Form_Load();
    void bt_Liste_Click();
    void bt_Ausgabe_Click();
    void OKButton_Click();

public slots:
    // Esc hides the dialog like "OK": QDialog's own reject() closes it, and the close box is
    // what discards the dialog's contents.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QListWidget *symbol_Liste = nullptr;
    QComboBox *Combo = nullptr;
    QLineEdit *tCode = nullptr;
};
