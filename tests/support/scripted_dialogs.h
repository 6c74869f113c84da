#pragma once

#include "state/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers questions from a script and records every question and message, in order.
class ScriptedDialogs final : public Dialogs {
public:
    struct Question {
        QString prompt;
        QString title;
        QString defaultAnswer;
    };
    struct Message {
        QString text;
        QString title;
    };

    // Answers still to give, first one first; a question beyond the script is cancelled.
    QStringList answers;
    QList<Question> questions;
    QList<Message> messages;

    QString ask(const QString &prompt, const QString &title, const QString &defaultAnswer) override
    {
        questions.append({prompt, title, defaultAnswer});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    void inform(const QString &text, const QString &title) override
    {
        messages.append({text, title});
    }
};
