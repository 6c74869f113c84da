#include "command_model.h"

#include <algorithm>
#include <cmath>

// The toolbar's alignment buttons in the order of the modes they set, then its face button.
const QStringList kToolbarButtons =
    QStringLiteral("Zentriert|Rechts|Links|Face On/Off").split(u'|');
// The face messages by [toolbar][turned on].
constexpr QStringView kFaceTexts[2][2] = {{u"Messages ohne Faces", u"Messages mit Faces"},
                                          {u"Faces OFF", u"Faces ON"}};
constexpr std::pair<int, int> kAny{-32768, 32767};

// Asks round after round until every answer of a round is in its range; nothing as soon as an
// answer is no 16-bit number (a cancelled box included). Answers are rounded, halves to even.
static std::optional<QList<int>> ask(Observed &s, QList<std::optional<qint64>> &answers,
                                     std::initializer_list<std::pair<int, int>> ranges)
{
    for (;;) {
        QList<int> values;
        bool accepted = true;
        for (const auto &[low, high] : ranges) {
            ++s.questions;
            // No number at all counts as one beyond 16 bits.
            const auto h = answers.isEmpty() ? std::nullopt : answers.takeFirst();
            const qint64 rest = h ? (*h % 100 + 100) % 100 : 0,
                         whole = h ? (*h - rest) / 100 : 1 << 20;
            const qint64 value = whole + (rest > 50 || (rest == 50 && whole % 2 != 0));
            if (value < -32768 || value > 32767)
                return std::nullopt;
            values << int(value);
            accepted = accepted && value >= low && value <= high;
        }
        if (accepted)
            return values;
    }
}

// The face is on exactly when the width is not 50; the mode moves it between 26 and 38.
static void setMode(Observed &s, int mode)
{
    s.mode = mode;
    if (s.width != 50)
        s.width = mode == 1 ? 26 : 38;
}

static void toggleFace(Observed &s, bool toolbar)
{
    const bool on = s.width == 50;
    s.width = !on ? 50 : (toolbar && s.mode == 1 ? 26 : 38);
    s.messages << QStringLiteral("Face %1|%2").arg(on ? u"On" : u"Off", kFaceTexts[toolbar][on]);
}

int modelLeadingBlanks(int mode, int width, qint64 length)
{
    const int target = width == 26 && length > 26 ? 38 : width;
    if (mode == 1)
        return int(std::max(1.0, std::ceil((target - length) / 2.0)));
    return mode == 2 ? int(std::max<qint64>(1, width - length)) : 0;
}

std::optional<QString> modelLengthWarning(int mode, int width, int n, qint64 length)
{
    const int limit = width == 26 ? 38 : width;
    if (mode != 1 || length <= limit)
        return std::nullopt;
    // Each number is written with the blank of its sign in front.
    return QStringLiteral("Die  %1. Zeile ist  %2 Zeichen zu lang.").arg(n).arg(length - limit);
}

void applyToModel(Observed &s, const CommandStep &step)
{
    QList<std::optional<qint64>> answers = step.hundredths;
    const QStringList before = s.stored;
    s.questions = 0;
    s.messages.clear();
    switch (step.command) {
    case Command::TypeLine:
    case Command::ClearLine:
        s.input[step.index] = step.command == Command::TypeLine ? step.text : QString();
        break;
    case Command::ClearAll:
        s.input.fill(QString());
        break;
    case Command::Evaluate:
        for (int n = 1; n <= 4; ++n) {
            const QString &line = s.input[n - 1];
            if (const auto warning = modelLengthWarning(s.mode, s.width, n, line.size()))
                s.messages << QStringLiteral("Zeilenlänge|") + *warning;
            s.stored[n] = QString(modelLeadingBlanks(s.mode, s.width, line.size()), u' ') + line;
        }
        break;
    case Command::Alignment:
        if (const auto a = ask(s, answers, {kAny}))
            setMode(s, a->at(0));
        break;
    case Command::MenuFace:
    case Command::Toolbar:
        if (const qsizetype mode = kToolbarButtons.indexOf(step.text) + 1;
            mode == 4 || step.command == Command::MenuFace)
            toggleFace(s, mode == 4);
        else if (mode > 0)
            setMode(s, int(mode));
        break;
    case Command::Colour:
        if (const auto a = ask(s, answers, {{1, 4}, {0, 19}}))
            s.stored[a->at(0)] = QStringLiteral("\\C[%1]").arg(a->at(1)) + s.stored[a->at(0)] +
                                 QStringLiteral("\\C[0]");
        break;
    case Command::Speed:
        // The line is tested only once the speed is in range, and then ends the command.
        if (const auto a = ask(s, answers, {kAny, {1, 20}}); a && a->at(0) >= 1 && a->at(0) <= 4)
            s.stored[a->at(0)].prepend(QStringLiteral("\\S[%1]").arg(a->at(1)));
        break;
    case Command::Pause:
        if (const auto a = ask(s, answers, {{1, 4}}))
            s.stored[a->at(0)] += QStringLiteral("\\..").repeated(3);
        break;
    case Command::AutoClose:
        if (const auto a = ask(s, answers, {{1, 20}}))
            s.stored[4] += QStringLiteral("\\.").repeated(a->at(0)) + QStringLiteral("\\^");
        break;
    }
    // Evaluation and every change of a stored line show the stored lines again.
    s.rebuilt = step.command == Command::Evaluate || s.stored != before;
    if (s.rebuilt)
        s.output = s.stored.mid(1).join(QStringLiteral("\r\n"));
}
