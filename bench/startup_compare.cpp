// Starts the program and the bare reference window in turn (A B A B ...) and compares their
// median wall time from process start to exit and their peak resident memory.
#include "report_row.h"
#include "stopwatch.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Sample {
    double milliseconds = 0.0;
    double cpuMilliseconds = 0.0;
    double peakKib = 0.0;
};

double milliseconds(const timeval &time)
{
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

// The children's own output (the offscreen platform's warnings) would only clutter the table.
Sample runOnce(const char *program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};

    Sample sample;
    int status = 0;
    rusage usage{};
    bool spawned = false;
    sample.milliseconds = millisecondsOf([&] {
        pid_t pid = 0;
        spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ) == 0;
        if (spawned)
            spawned = wait4(pid, &status, 0, &usage) == pid;
    });
    posix_spawn_file_actions_destroy(&actions);
    if (!spawned || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not start and end cleanly\n", program);
        std::exit(2);
    }
    sample.cpuMilliseconds = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    sample.peakKib = static_cast<double>(usage.ru_maxrss);
    return sample;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s LABEL RUNS PROGRAM REFERENCE\n", argv[0]);
        return 2;
    }
    const std::string label = argv[1];
    const int runs = std::atoi(argv[2]);
    const char *program = argv[3];
    const char *reference = argv[4];

    // The first start of each fills the page cache and font caches; it is not counted.
    runOnce(program);
    runOnce(reference);

    std::vector<double> programMs, referenceMs, programCpu, referenceCpu, programKib, referenceKib;
    for (int i = 0; i < runs; ++i) {
        const Sample a = runOnce(program);
        const Sample b = runOnce(reference);
        programMs.push_back(a.milliseconds);
        programCpu.push_back(a.cpuMilliseconds);
        referenceCpu.push_back(b.cpuMilliseconds);
        programKib.push_back(a.peakKib);
        referenceMs.push_back(b.milliseconds);
        referenceKib.push_back(b.peakKib);
    }

    const double timeA = median(programMs);
    const double timeB = median(referenceMs);
    const double ratio = timeA / timeB;
    printReportRow("Start-up to quit, " + label + ", median of " + std::to_string(runs),
                   formatNumber("%.1f ms", timeA), formatNumber("%.1f ms (bare)", timeB),
                   formatNumber("%.3f", ratio), "<= 1.15", verdict(ratio <= 1.15));

    // Less disturbed than wall time when other work shares the machine; for information.
    const double cpuA = median(programCpu);
    const double cpuB = median(referenceCpu);
    printReportRow("Start-up CPU time (user + sys), " + label, formatNumber("%.1f ms", cpuA),
                   formatNumber("%.1f ms (bare)", cpuB), formatNumber("%.3f", cpuA / cpuB), "-",
                   "-");

    const double mibA = median(programKib) / 1024.0;
    const double mibB = median(referenceKib) / 1024.0;
    const double extra = mibA - mibB;
    printReportRow("Peak RSS, " + label + ", median", formatNumber("%.2f MiB", mibA),
                   formatNumber("%.2f MiB (bare)", mibB),
                   formatNumber("%+.2f MiB", extra) + formatNumber(" (x%.3f)", mibA / mibB),
                   "<= +3 MiB", verdict(extra <= 3.0));
    return 0;
}
