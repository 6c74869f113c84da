#include "command_step.h"

#include <QStringList>

namespace {

QString commandName(Command command)
{
    switch (command) {
    case Command::TypeLine:
        return QStringLiteral("type line");
    case Command::Evaluate:
        return QStringLiteral("Auswerten");
    case Command::ClearLine:
        return QStringLiteral("Refresh line");
    case Command::ClearAllLines:
        return QStringLiteral("Refresh All");
    case Command::Alignment:
        return QStringLiteral("Ausrichtung");
    case Command::MenuFace:
        return QStringLiteral("menu Face On/Off");
    case Command::ToolbarButton:
        return QStringLiteral("toolbar");
    case Command::Colour:
        return QStringLiteral("Farbe");
    case Command::Speed:
        return QStringLiteral("Geschwindigkeit");
    case Command::Pause:
        return QStringLiteral("Pünktchen");
    case Command::AutoClose:
        return QStringLiteral("Schließen");
    }
    return QStringLiteral("?");
}

} // namespace

QString printable(const QString &text)
{
    if (text.isNull())
        return QStringLiteral("<cancel>");
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += QStringLiteral("\\") + c;
        else if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    return out + u'"';
}

QString describe(const CommandStep &step)
{
    QString text = commandName(step.command);
    if (step.command == Command::TypeLine || step.command == Command::ClearLine)
        text += QStringLiteral(" %1").arg(step.index);
    if (step.command == Command::TypeLine || step.command == Command::ToolbarButton)
        text += u' ' + printable(step.text);
    if (!step.answers.isEmpty()) {
        QStringList answers;
        for (const StepAnswer &answer : step.answers)
            answers << printable(answer.text);
        text += QStringLiteral(" answers [") + answers.join(QStringLiteral(", ")) + u']';
    }
    return text;
}
