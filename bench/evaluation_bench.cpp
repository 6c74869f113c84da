// Evaluating four very long input lines costs a small multiple of copying their characters once.
#include "layout/evaluation.h"
#include "report_row.h"
#include "stopwatch.h"
#include "test_session.h"

#include <array>

namespace {

constexpr qsizetype kLineLength = 1 << 20;
constexpr int kRuns = 21;

// A deep copy, so that both sides pay for allocating and filling fresh memory.
QString copyOf(const QString &text)
{
    return QString(text.constData(), text.size());
}

} // namespace

int main()
{
    TestSession test;
    for (int i = 0; i < 4; ++i)
        test.window.lines[i] = QString(kLineLength, QChar(u'a' + i));

    std::array<QString, 4> copies;
    std::vector<double> evaluationMs, copyMs;
    for (int run = 0; run < kRuns; ++run) {
        evaluationMs.push_back(millisecondsOf([&] { evaluate(test.session); }));
        copyMs.push_back(millisecondsOf([&] {
            for (int i = 0; i < 4; ++i)
                copies[i] = copyOf(test.window.lines[i]);
        }));
        // Centred at width 50 every line is far too long; the warnings are only recorded.
        test.dialogs.messages.clear();
    }

    // A layout that went wrong would make the comparison meaningless.
    if (test.state.MsgZeilen[4].size() != kLineLength + 1 ||
        test.window.ausgabe.size() != 4 * (kLineLength + 1) + 6) {
        std::fprintf(stderr, "evaluation produced unexpected lines\n");
        return 1;
    }

    const double evaluation = median(evaluationMs);
    const double copy = median(copyMs);
    const double ratio = evaluation / copy;
    printReportRow("evaluate, 4 lines x 1 Mi chars, fake window",
                   formatNumber("%.2f ms", evaluation), formatNumber("%.2f ms (copy)", copy),
                   formatNumber("%.2f", ratio), "<= 3", verdict(ratio <= 3.0));
    return 0;
}
