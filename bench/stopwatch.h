#pragma once

#include <chrono>

// Wall time of one call, in milliseconds.
template <typename Work> double millisecondsOf(Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}
