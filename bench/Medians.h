// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

inline double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values[values.size() / 2];
}

// The median time of an operation repeated runs times, in milliseconds.
template <typename Operation> double medianMs(int runs, Operation&& operation)
{
    std::vector<double> ms;
    ms.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        operation(run);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}
