#pragma once

#include "app/form1.h"
#include "scripted_dialogs.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// A real main window whose questions are answered from a script.
struct Form1Fixture {
    Module1 state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form =
        std::make_unique<Form1>(state, dialogs, QLocale(QLocale::German, QLocale::Germany));

    template <typename T> T *child(const QString &name) const
    {
        T *widget = form->findChild<T *>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    QLineEdit *line(int index) const
    {
        return child<QLineEdit>(QStringLiteral("t_Zeile1_%1").arg(index));
    }
    QPlainTextEdit *output() const { return child<QPlainTextEdit>(QStringLiteral("Zindral")); }
    void click(const QString &button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void trigger(const QString &menuItem) const { child<QAction>(menuItem)->trigger(); }
};
