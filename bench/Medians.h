// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

// Repeats an operation and prints the median of its times with the 10th and 90th percentiles,
// in milliseconds, beside the target it must meet.
template <typename Operation>
double reportMedian(const char* what, int runs, double targetMs, Operation&& operation)
{
    std::vector<double> ms;
    ms.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        operation(run);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::ranges::sort(ms);
    const double median = ms[ms.size() / 2];
    std::printf("| %-52s | %8.2f | %8.2f | %8.2f | <= %5.1f | %s |\n", what, median,
                ms[ms.size() / 10], ms[ms.size() * 9 / 10], targetMs,
                median <= targetMs ? "met" : "MISSED");
    std::fflush(stdout);
    return median;
}
