#include "random_steps.h"

#include <array>
#include <cstdlib>

namespace {

// Lengths around the limits of the three widths are where the layout rules change.
constexpr std::array kInterestingLengths{0,  1,  2,  12, 13, 24, 25, 26, 27, 28, 36,
                                         37, 38, 39, 40, 48, 49, 50, 51, 52, 53};

constexpr std::array<QStringView, 10> kToolbarTexts{
    u"Zentriert",   u"Rechts", u"Links",  u"Face On/Off", u"zentriert",
    u"Face On/off", u"",       u"Links ", u" Rechts",     u"Refresh"};

constexpr std::array<QStringView, 13> kNotNumbers{u"abc",  u"x1",     u"1x",     u"eins", u"--1",
                                                  u"1 2",  u"#",      u"\u00bd", u"inf",  u"nan",
                                                  u"-inf", u"\u221e", u"1-"};

// Whole numbers at and beyond the edges of the 16-bit range.
constexpr std::array<qint64, 10> kEdgeNumbers{32767,  -32768, 32768, -32769,     40000,
                                              -40000, 65535,  65536, 1000000000, 0};

// Fractions in hundredths whose rounding is easy to get wrong.
constexpr std::array<qint64, 12> kEdgeFractions{
    50, -50, 150, 250, 350, -250, -350, 3276750, -3276850, 3276740, -3276860, 3276649};

} // namespace

StepGenerator::StepGenerator(std::mt19937 &rng, NumberFormat format) : m_rng(rng), m_format(format)
{
}

int StepGenerator::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_rng);
}

void StepGenerator::appendRandomCharacter(QString &text)
{
    const int kind = uniform(0, 99);
    if (kind < 55)
        text += QChar(uniform(u'a', u'z'));
    else if (kind < 70)
        text += u' ';
    else if (kind < 78)
        text += QChar(uniform(u'A', u'Z'));
    else if (kind < 83)
        text += kind % 2 ? u'\u00e4' : u'\u00df';
    else if (kind < 88)
        text += QStringLiteral("\U0001F600"); // two code units
    else if (kind < 92)
        text += u'\\';
    else if (kind < 94)
        text += QStringLiteral("\r\n");
    else if (kind < 96)
        text += u'\t';
    else if (kind < 97)
        text += QChar(0xD800); // a lone surrogate
    else
        text += QChar(uniform(0x21, 0x7e));
}

QString StepGenerator::randomLine()
{
    int length = 0;
    const int kind = uniform(0, 9);
    if (kind == 0)
        return QString();
    if (kind == 1)
        return QString(uniform(1, 60), u' ');
    if (kind <= 4)
        length = kInterestingLengths[uniform(0, kInterestingLengths.size() - 1)];
    else if (kind == 5)
        length = uniform(60, 300);
    else
        length = uniform(0, 60);
    QString line;
    while (line.size() < length)
        appendRandomCharacter(line);
    return line;
}

StepAnswer StepGenerator::numberAnswer(qint64 hundredths, bool grouped, bool blanksAround)
{
    const qint64 magnitude = std::llabs(hundredths);
    QString whole = QString::number(magnitude / 100);
    if (grouped) {
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, m_format.groupSeparator);
    }
    QString text = (hundredths < 0 ? QStringLiteral("-") : QString()) + whole;
    if (const qint64 cents = magnitude % 100) {
        text += m_format.decimalPoint + QStringLiteral("%1").arg(cents, 2, 10, QChar(u'0'));
        if (text.endsWith(u'0'))
            text.chop(1);
    }
    if (blanksAround)
        text = QString(uniform(1, 3), u' ') + text + QString(uniform(0, 3), u' ');
    return {text, hundredths};
}

StepAnswer StepGenerator::randomAnswer(Range range)
{
    const int kind = uniform(0, 99);
    if (kind < 40)
        return numberAnswer(100 * qint64(uniform(range.low, range.high)));
    if (kind < 50) {
        const int outside = uniform(1, 3);
        return numberAnswer(100 * qint64(kind % 2 ? range.low - outside : range.high + outside));
    }
    if (kind < 58) {
        constexpr std::array<int, 6> kCents{50, 50, 25, 75, 10, 90};
        const qint64 whole = uniform(range.low - 1, range.high + 1);
        const qint64 cents = kCents[uniform(0, kCents.size() - 1)];
        return numberAnswer(whole < 0 ? 100 * whole - cents : 100 * whole + cents);
    }
    if (kind < 62)
        return numberAnswer(kEdgeFractions[uniform(0, kEdgeFractions.size() - 1)]);
    if (kind < 67)
        return numberAnswer(100 * kEdgeNumbers[uniform(0, kEdgeNumbers.size() - 1)]);
    if (kind < 74)
        return {kNotNumbers[uniform(0, kNotNumbers.size() - 1)].toString(), std::nullopt};
    if (kind < 79)
        return {QString(), std::nullopt};
    if (kind < 83)
        return {QString(uniform(0, 3), u' '), std::nullopt};
    if (kind < 92)
        return numberAnswer(100 * qint64(uniform(range.low, range.high)), false, true);
    const qint64 large = uniform(1000, 50000) * qint64(kind % 2 ? 1 : -1);
    return numberAnswer(100 * large, true, kind % 3 == 0);
}

QList<StepAnswer> StepGenerator::randomAnswers(std::initializer_list<Range> ranges)
{
    QList<StepAnswer> answers;
    const int count = uniform(0, 6);
    while (answers.size() < count) {
        for (const Range &range : ranges)
            answers.append(randomAnswer(range));
    }
    return answers;
}

CommandStep StepGenerator::randomStep()
{
    CommandStep step;
    const int kind = uniform(0, 99);
    if (kind < 18) {
        step.command = Command::TypeLine;
        step.index = uniform(0, 3);
        step.text = randomLine();
    } else if (kind < 32) {
        step.command = Command::Evaluate;
    } else if (kind < 37) {
        step.command = Command::ClearLine;
        step.index = uniform(0, 3);
    } else if (kind < 39) {
        step.command = Command::ClearAllLines;
    } else if (kind < 47) {
        step.command = Command::Alignment;
        step.answers = randomAnswers({{1, 3}});
    } else if (kind < 52) {
        step.command = Command::MenuFace;
    } else if (kind < 62) {
        step.command = Command::ToolbarButton;
        step.text = kToolbarTexts[uniform(0, kToolbarTexts.size() - 1)].toString();
    } else if (kind < 73) {
        step.command = Command::Colour;
        step.answers = randomAnswers({{1, 4}, {0, 19}});
    } else if (kind < 84) {
        step.command = Command::Speed;
        step.answers = randomAnswers({{1, 4}, {1, 20}});
    } else if (kind < 92) {
        step.command = Command::Pause;
        step.answers = randomAnswers({{1, 4}});
    } else {
        step.command = Command::AutoClose;
        step.answers = randomAnswers({{1, 20}});
    }
    return step;
}
