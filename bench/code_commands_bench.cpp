// The code commands on a long stored line: four times the length must cost about four times the
// time, never sixteen.
#include "codes/colour_speed.h"
#include "codes/delay_close.h"
#include "report_row.h"
#include "stopwatch.h"
#include "test_session.h"

#include <array>
#include <cstdlib>
#include <functional>

namespace {

constexpr qsizetype kMiB = 1 << 20;
constexpr int kRuns = 21;
// The first runs settle the allocator; they are not counted.
constexpr int kWarmUpRuns = 3;
// Linear growth gives about 4; anything near 16 would be quadratic.
constexpr double kLinearLimit = 6.0;

struct Command {
    const char *name;
    int line;
    QStringList answers;
    std::function<void(Session &)> run;
};

// Median time of the command on a stored line of `length` characters. The runs share one
// session, as they would in the program: the line only grows by a few characters each time.
double commandMs(const Command &command, qsizetype length)
{
    TestSession test;
    for (int n = 1; n <= 4; ++n)
        test.state.MsgZeilen[n] = QStringLiteral("Zeile %1").arg(n);
    test.state.MsgZeilen[command.line] = QString(length, u'x');
    std::vector<double> times;
    for (int run = 0; run < kWarmUpRuns + kRuns; ++run) {
        test.dialogs.answers = command.answers;
        const double ms = millisecondsOf([&] { command.run(test.session); });
        if (run >= kWarmUpRuns)
            times.push_back(ms);
    }
    if (test.window.ausgabeWrites != kWarmUpRuns + kRuns) {
        std::fprintf(stderr, "%s did not update the output every time\n", command.name);
        std::exit(1);
    }
    return median(times);
}

} // namespace

int main()
{
    const std::array<Command, 4> commands{{
        {"Farbe", 1, {QStringLiteral("1"), QStringLiteral("4")}, addColour},
        {"Schriftgeschwindigkeit", 1, {QStringLiteral("1"), QStringLiteral("5")}, addSpeed},
        {"...(Schweigen)", 1, {QStringLiteral("1")}, addPause},
        {"Automatisches Schliessen", 4, {QStringLiteral("2")}, addAutoClose},
    }};
    for (const Command &command : commands) {
        const double small = commandMs(command, kMiB);
        const double large = commandMs(command, 4 * kMiB);
        const double growth = large / small;
        printReportRow(std::string(command.name) + ", 1 Mi vs 4 Mi chars",
                       formatNumber("%.2f ms (4 Mi)", large), formatNumber("%.2f ms (1 Mi)", small),
                       formatNumber("x%.2f", growth), "linear, < x6",
                       verdict(growth < kLinearLimit));
    }
    return 0;
}
