#pragma once

#include "state/session.h"

#include <QStringList>

// Answers questions and file names from a script (a question beyond it is cancelled) and logs every
// question as "title: prompt [default]", every file question as "title: [folder]" and every message
// as "title: text", in order.
struct ScriptedDialogs final : Dialogs {
    QStringList answers;
    QStringList shown;

    QString ask(const QString &prompt, const QString &title, const QString &defaultAnswer) override
    {
        shown << QStringLiteral("%1: %2 [%3]").arg(title, prompt, defaultAnswer);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void inform(const QString &text, const QString &title) override
    {
        shown << QStringLiteral("%1: %2").arg(title, text);
    }
    QString fileName(FileUse, const QString &title, const QString &folder) override
    {
        shown << QStringLiteral("%1: [%2]").arg(title, folder);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// The message logic with the main window's texts but no window, reading German numbers.
struct TestSession final : MessageWindow {
    std::array<QString, kLineCount> lines;
    QString ausgabe;
    Module1 state;
    ScriptedDialogs dialogs;
    Session session{state, *this, dialogs, QLocale(QLocale::German, QLocale::Germany)};

    QString zeile(int index) const override { return lines.at(index); }
    void setZeile(int index, const QString &text) override { lines.at(index) = text; }
    void setAusgabe(const QString &text) override { ausgabe = text; }
};
