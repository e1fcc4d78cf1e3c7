// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The large data files the benchmarks run on, generated each time, never committed.
namespace BenchData {

// Names "Emoticon 000001" to "Emoticon <count>": every name shares its first nine characters
// with every other, which is the prefix search's hardest case.
QString nameOf(int number);

// A category file of count records, in name order.
bool writeCategoryFile(const QString& path, int count);

// An own list of count records.
bool writeOwnList(const QString& path, int count);

} // namespace BenchData
