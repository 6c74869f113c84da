#pragma once

#include "app/dialog1.h"
#include "preview/preview_window.h"
#include "split_window/split_window.h"
#include "state/session.h"
#include "symbols/dialog.h"
#include "widgets/beside_main_window.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolBar;

// The main window: four input lines, the output box, the clearing buttons, menus and toolbar.
class Form1 final : public QMainWindow, public MessageWindow {
    Q_OBJECT

public:
    // Numeric answers are read in the user's own number format. What the program keeps between
    // runs lives in the data folder.
    Form1(Module1 &state, Dialogs &dialogs, const QString &dataFolder);
    ~Form1() override;

    QString zeile(int index) const override;
    void setZeile(int index, const QString &text) override;
    void setAusgabe(const QString &text) override;

    void Form_Load();
    void Beenden_Click();
    void Symbole_Click();
    void About_Click();
    void bt_Auswerten_Click();
    void bt_Refresh_0_Click();
    void bt_Refresh_1_Click();
    void bt_Refresh_2_Click();
    void bt_Refresh_Click();
    void bt_Refresh_All_Click();
    void Ausrichtung_Click();
    void Face_Click();
    void Toolbar1_ButtonClick(QAction *button);
    void Farbe_Click();
    void Geschwindigkeit_Click();
    void Schließen_Click();
    void Pünktchen_Click();
    void Vorschau_Click();
    void TextVerteilen_Click();
    // Opens "Text verteilen" on a text file.
    void openTextFile(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildToolbar(QWidget *clientArea);
    void buildInputFrame(QWidget *clientArea);
    void buildOutputFrame(QWidget *clientArea);
    void addMenuItem(QMenu *menu, const QString &name, const QString &caption,
                     void (Form1::*handler)());
    // The preview follows the output box by itself, the text window its own text; the settings
    // they must be told.
    void settingsMayChange();

    Session m_session;
    const QString m_dataFolder;
    QToolBar *Toolbar1 = nullptr;
    std::array<QLineEdit *, kLineCount> t_Zeile1{};
    QPlainTextEdit *Zindral = nullptr;
    QPointer<Dialog> m_dialog;
    QPointer<Dialog1> m_dialog1;
    QPointer<PreviewWindow> m_vorschau;
    QPointer<SplitWindow> m_textVerteilen;
    BesideMainWindow m_besideVorschau;
    BesideMainWindow m_besideTextVerteilen;
};
