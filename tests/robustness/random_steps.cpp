#include "random_steps.h"

namespace {

// Letters, umlauts, backslashes, tabs, CR LF, blanks, a character outside the BMP (two code
// units) and a lone surrogate.
const QStringList kPieces =
    QStringLiteral("a|b|d|e|h|i|l|n|o|r|s|t|u|x|Q|W|ä|ß|\\|\t|\r\n| | |😀|\xD800").split(u'|');
const QStringList kToolbarTexts =
    QStringLiteral("Zentriert|Rechts|Links|Face On/Off|zentriert|Face On/off|Links |").split(u'|');
const QStringList kNotNumbers = QStringLiteral("abc|1x|--1|1 2|inf|nan|½|  |").split(u'|');
// The answers the questions of each command take, by Command, so that answers fall in and
// around them.
const QList<std::pair<int, int>> kRanges[] = {
    {}, {}, {}, {}, {{1, 3}}, {}, {}, {{1, 4}, {0, 19}}, {{1, 4}, {1, 20}}, {{1, 4}}, {{1, 20}}};

struct Generator {
    std::mt19937 rng;
    QChar point, group;

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    const QString &any(const QStringList &list) { return list[pick(0, list.size() - 1)]; }

    QString line()
    {
        const int kind = pick(0, 9);
        // Around 26, 38 and 50 the layout rules change.
        const int length = kind < 4    ? qMax(0, 12 * pick(0, 4) + 2 + pick(-2, 3))
                           : kind == 4 ? pick(60, 300)
                                       : pick(0, 60);
        QString text(kind == 5 ? pick(1, 60) : 0, u' ');
        while (text.size() < length)
            text += any(kPieces);
        return text;
    }

    // A number in range, just outside, around the ends of the 16-bit range, or large, plain or
    // with groups; or a cancelled box, or no number at all.
    void answer(CommandStep &s, int low, int high)
    {
        const int kind = pick(0, 9);
        const qint64 whole = kind < 4    ? pick(low, high)
                             : kind == 4 ? (pick(0, 1) ? low - pick(1, 3) : high + pick(1, 3))
                             : kind == 5 ? (pick(0, 1) ? 32767 : -32768)
                                         : pick(-50000, 50000);
        // Quarters, so that halves meet the rounding to the even neighbour.
        const qint64 hundredths = 100 * whole + (kind == 3 || kind == 5 ? 25 * pick(-3, 3) : 0);
        QString text = QString::number(qAbs(hundredths) / 100);
        for (qsizetype at = text.size() - 3; kind == 7 && at > 0; at -= 3)
            text.insert(at, group);
        if (hundredths % 100)
            text += point + QString::number(qAbs(hundredths) % 100).rightJustified(2, u'0');
        const QString pad(pick(0, 3) / 3, u' ');
        s.answers << (kind == 8   ? QString()
                      : kind == 9 ? any(kNotNumbers)
                                  : pad + QString(int(hundredths < 0), u'-') + text + pad);
        s.hundredths << (kind < 8 ? std::optional(hundredths) : std::nullopt);
    }
};

} // namespace

QList<CommandStep> randomSequence(std::seed_seq &state, QChar decimalPoint, QChar groupSeparator)
{
    Generator g{std::mt19937(state), decimalPoint, groupSeparator};
    QList<CommandStep> steps;
    for (int i = 0; i < 4; ++i)
        steps << CommandStep{Command::TypeLine, i, g.line(), {}, {}};
    // How often each command comes, by Command.
    std::discrete_distribution<int> commands{18, 14, 5, 2, 8, 5, 10, 11, 11, 8, 8};
    for (int count = g.pick(1, 30); count > 0; --count) {
        CommandStep s{Command(commands(g.rng)), g.pick(0, 3), QString(), {}, {}};
        s.text = s.command == Command::TypeLine  ? g.line()
                 : s.command == Command::Toolbar ? g.any(kToolbarTexts)
                                                 : QString();
        // Running out of answers cancels the next question.
        const auto &ranges = kRanges[int(s.command)];
        for (int answers = g.pick(0, 6); !ranges.isEmpty() && s.answers.size() < answers;) {
            for (const auto &[low, high] : ranges)
                g.answer(s, low, high);
        }
        steps << s;
    }
    return steps;
}
