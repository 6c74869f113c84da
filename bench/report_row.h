#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// One row of the table that scripts/benchmark.sh prints; every measuring program writes its rows
// in this shape so the script only has to put a header on top.
inline void printReportRow(const std::string &measurement, const std::string &tarvolin,
                           const std::string &reference, const std::string &comparison,
                           const std::string &goal, const std::string &met)
{
    std::printf("%-46s | %-16s | %-18s | %-18s | %-12s | %s\n", measurement.c_str(),
                tarvolin.c_str(), reference.c_str(), comparison.c_str(), goal.c_str(), met.c_str());
    std::fflush(stdout);
}

inline std::string formatNumber(const char *format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

inline std::string verdict(bool met)
{
    return met ? "yes" : "NO";
}

// The middle value; for an even count the mean of the two middle ones.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2.0;
}
