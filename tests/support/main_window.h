#pragma once

#include "app/form1.h"
#include "test_session.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

// A real main window whose questions are answered from a script.
struct MainWindow {
    Module1 state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(state, dialogs);

    // A named control, menu or menu item of the main window or of the given window.
    template <typename T = QWidget> T *find(const QString &name, QWidget *window = nullptr) const
    {
        T *found = (window ? window : form.get())->findChild<T *>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }
    void click(const QString &button, QWidget *window = nullptr) const
    {
        QTest::mouseClick(find(button, window), Qt::LeftButton);
    }
    void trigger(const QString &menuItem) const { find<QAction>(menuItem)->trigger(); }
    QString output() const
    {
        return find<QPlainTextEdit>(QStringLiteral("Zindral"))->toPlainText();
    }

    // Shows the main window ("Form1") and, through its menu, "Dialog" or "Dialog1".
    QWidget *show(const QString &window) const
    {
        form->show();
        if (window != u"Form1")
            trigger(window == u"Dialog" ? QStringLiteral("Symbole") : QStringLiteral("About"));
        for (QWidget *shown : QApplication::topLevelWidgets())
            if (shown->objectName() == window && shown->isVisible())
                return shown;
        qFatal("%s is not shown", qPrintable(window));
    }
};
