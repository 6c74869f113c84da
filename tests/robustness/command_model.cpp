#include "command_model.h"

#include <algorithm>
#include <cmath>

// The two face toggles differ in the width they turn on and in their words.
struct FaceToggle {
    int onWidthCentred;
    int onWidthOther;
    QStringView onText;
    QStringView offText;
};

namespace {

constexpr int kCentred = 1;

// The toolbar's alignment buttons and the mode each one sets.
struct AlignmentButton {
    QStringView text;
    int mode;
};
constexpr AlignmentButton kAlignmentButtons[] = {
    {u"Zentriert", 1},
    {u"Rechts", 2},
    {u"Links", 3},
};

constexpr FaceToggle kMenuFace{38, 38, u"Messages mit Faces", u"Messages ohne Faces"};
constexpr FaceToggle kToolbarFace{26, 38, u"Faces ON", u"Faces OFF"};

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// Every change of mode moves a face width: centred uses 26 where the others use 38.
void setModeAndFaceWidth(int newMode, int &mode, int &width)
{
    mode = newMode;
    if (newMode == kCentred && width == 38)
        width = 26;
    else if (newMode != kCentred && width == 26)
        width = 38;
}

} // namespace

qint64 roundHalfToEven(qint64 hundredths)
{
    qint64 whole = hundredths / 100;
    qint64 rest = hundredths % 100;
    if (rest < 0) {
        whole -= 1;
        rest += 100;
    }
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        whole += 1;
    return whole;
}

int modelLeadingBlanks(int mode, int width, qint64 length)
{
    if (mode == 1) {
        const int target = (width == 26 && length > 26) ? 38 : width;
        return static_cast<int>(std::max(1.0, std::ceil((target - length) / 2.0)));
    }
    if (mode == 2)
        return static_cast<int>(std::max<qint64>(1, width - length));
    return 0;
}

std::optional<QString> modelLengthWarning(int mode, int width, int lineNumber, qint64 length)
{
    if (mode != 1)
        return std::nullopt;
    const int limit = width == 26 ? 38 : width;
    if (length <= limit)
        return std::nullopt;
    // Each number is written with the blank of its sign in front.
    return QStringLiteral("Die ") + u' ' + QString::number(lineNumber) +
           QStringLiteral(". Zeile ist ") + u' ' + QString::number(length - limit) +
           QStringLiteral(" Zeichen zu lang.");
}

void CommandModel::apply(const CommandStep &step)
{
    m_answers = step.answers;
    outputRebuilt = false;
    questions.clear();
    messages.clear();
    switch (step.command) {
    case Command::TypeLine:
        input[step.index] = step.text;
        break;
    case Command::Evaluate:
        evaluate();
        break;
    case Command::ClearLine:
        input[step.index] = QString();
        break;
    case Command::ClearAllLines:
        input.fill(QString());
        break;
    case Command::Alignment:
        alignment();
        break;
    case Command::MenuFace:
        toggleFace(kMenuFace);
        break;
    case Command::ToolbarButton:
        toolbarButton(step.text);
        break;
    case Command::Colour:
        colour();
        break;
    case Command::Speed:
        speed();
        break;
    case Command::Pause:
        pause();
        break;
    case Command::AutoClose:
        autoClose();
        break;
    }
}

std::optional<int> CommandModel::askNumber(const QString &prompt, const QString &title,
                                           int defaultAnswer)
{
    questions.append({prompt, title, QString::number(defaultAnswer)});
    if (m_answers.isEmpty())
        return std::nullopt;
    const StepAnswer answer = m_answers.takeFirst();
    if (!answer.hundredths)
        return std::nullopt;
    const qint64 value = roundHalfToEven(*answer.hundredths);
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<int>(value);
}

void CommandModel::inform(const QString &text, const QString &title)
{
    messages.append({text, title});
}

void CommandModel::rebuildOutput()
{
    output = stored[1] + QStringLiteral("\r\n") + stored[2] + QStringLiteral("\r\n") + stored[3] +
             QStringLiteral("\r\n") + stored[4];
    outputRebuilt = true;
}

void CommandModel::evaluate()
{
    for (int n = 1; n <= 4; ++n) {
        if (const auto warning = modelLengthWarning(mode, width, n, input[n - 1].size()))
            inform(*warning, QStringLiteral("Zeilenlänge"));
    }
    for (int n = 1; n <= 4; ++n) {
        const QString &line = input[n - 1];
        stored[n] = QString(modelLeadingBlanks(mode, width, line.size()), u' ') + line;
    }
    rebuildOutput();
}

void CommandModel::alignment()
{
    const auto answer =
        askNumber(QStringLiteral("Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig"),
                  QStringLiteral("Ausrichtung"), 1);
    if (answer)
        setModeAndFaceWidth(*answer, mode, width);
}

void CommandModel::toggleFace(const FaceToggle &toggle)
{
    if (width == 50) {
        width = mode == kCentred ? toggle.onWidthCentred : toggle.onWidthOther;
        inform(toggle.onText.toString(), QStringLiteral("Face On"));
    } else {
        width = 50;
        inform(toggle.offText.toString(), QStringLiteral("Face Off"));
    }
}

void CommandModel::toolbarButton(const QString &text)
{
    for (const AlignmentButton &button : kAlignmentButtons) {
        if (text == button.text) {
            setModeAndFaceWidth(button.mode, mode, width);
            return;
        }
    }
    if (text == u"Face On/Off")
        toggleFace(kToolbarFace);
}

void CommandModel::colour()
{
    for (;;) {
        const auto line = askNumber(QStringLiteral("Welche Zeile soll die Farbe ändern? (1 - 4)"),
                                    QStringLiteral("Zeile"), 1);
        if (!line)
            return;
        const auto colour = askNumber(QStringLiteral("Eine Zahl zwischen 0 und 19"),
                                      QStringLiteral("Textfarbe"), 0);
        if (!colour)
            return;
        if (inRange(*line, 1, 4) && inRange(*colour, 0, 19)) {
            stored[*line] = QStringLiteral("\\C[") + QString::number(*colour) + u']' +
                            stored[*line] + QStringLiteral("\\C[0]");
            rebuildOutput();
            return;
        }
    }
}

void CommandModel::speed()
{
    for (;;) {
        const auto line = askNumber(
            QStringLiteral("Von welcher Zeile an soll sich die Geschwindigkeit verändern? (1 - 4)"),
            QStringLiteral("Zeile"), 1);
        if (!line)
            return;
        const auto speed =
            askNumber(QStringLiteral("Eine Zahl zwischen 1 = Schnell und 20 = Langsam"),
                      QStringLiteral("Textgeschwindigkeit"), 15);
        if (!speed)
            return;
        if (!inRange(*speed, 1, 20))
            continue;
        if (inRange(*line, 1, 4)) {
            stored[*line] = QStringLiteral("\\S[") + QString::number(*speed) + u']' + stored[*line];
            rebuildOutput();
        }
        return;
    }
}

void CommandModel::pause()
{
    for (;;) {
        const auto line = askNumber(
            QStringLiteral("Welcher Zeile soll \"\\..\\..\\..\" hinzugefügt werden? (1 - 4)"),
            QStringLiteral("Zeile"), 1);
        if (!line)
            return;
        if (inRange(*line, 1, 4)) {
            stored[*line] += QStringLiteral("\\.") + u'.' + QStringLiteral("\\.") + u'.' +
                             QStringLiteral("\\.") + u'.';
            rebuildOutput();
            return;
        }
    }
}

void CommandModel::autoClose()
{
    for (;;) {
        const auto delays =
            askNumber(QStringLiteral("Wie viele Verzögerungen? (1 - 20) (1 = \\. ; 2 = \\.\\. )"),
                      QStringLiteral("Automatisches Schließen"), 0);
        if (!delays)
            return;
        if (inRange(*delays, 1, 20)) {
            for (int i = 0; i < *delays; ++i)
                stored[4] += QStringLiteral("\\.");
            stored[4] += QStringLiteral("\\^");
            rebuildOutput();
            return;
        }
    }
}
