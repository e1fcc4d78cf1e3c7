// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The operations a person repeats (see operations.cpp), measured on this program and on an
// older commit of it (the baseline, built from the same benchmark source), round after round
// in turn, so that the machine's ups and downs fall on both alike: their medians side by side
// as ratios, on a catalogue of 100,000 records and an own list of 10,000; then how the
// catalogue's operations grow from 10,000 to 100,000 to 1,000,000 records.
//
// bench_compare_operations <bench_operations> <baseline's bench_operations> <baseline's name>
//                          [rounds]

#include "BenchData.h"
#include "Medians.h"

#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

namespace {

constexpr int OwnListRecords = 10'000;
constexpr std::array CatalogueRecords = {10'000, 100'000, 1'000'000};
constexpr int Compared = 100'000; // the catalogue both programs run on

// Each operation's median of each round, in milliseconds.
using Rounds = QHash<QByteArray, std::vector<double>>;

struct Subject {
    QString program;
    int records;
    Rounds rounds;
};

struct Operation {
    const char* key; // as operations.cpp names it
    const char* what;
    double targetRatio; // to the baseline
};

constexpr Operation Operations[] = {
    {"category", "category change to TODOS", 0.2},
    {"keystroke-last", "search keystroke matching the last entry", 0.5},
    {"keystroke-none", "search keystroke matching none", 0.5},
    {"list-letter-none", "letter typed in the list, matching none", 1},
    {"selection", "selection (record read, preview drawn)", 1},
    {"add", "own list: add", 1},
    {"remove", "own list: remove the first entry", 1},
    {"rebuild", "own list: rebuild", 1},
};
constexpr int GrowingOperations = 4; // the first four run over the whole catalogue
constexpr double GrowthLimit = 10;   // from 100,000 to 1,000,000 records: no worse than linear

std::unique_ptr<QTemporaryDir> dataFolder(int records)
{
    auto folder = std::make_unique<QTemporaryDir>();
    if (!BenchData::writeCategoryFile(folder->filePath(QStringLiteral("all.bra")), records) ||
        !BenchData::writeOwnList(folder->filePath(QStringLiteral("custom.bra")), OwnListRecords))
        qFatal("cannot write the data files");
    return folder;
}

void measure(Subject& subject, const QString& folder)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(subject.program, {folder});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed on %s", qPrintable(subject.program), qPrintable(folder));
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2)
            subject.rounds[fields[0]].push_back(fields[1].toDouble());
    }
}

double medianOf(const Subject& subject, const char* operation)
{
    const std::vector<double> rounds = subject.rounds.value(operation);
    if (rounds.empty())
        qFatal("%s reported no %s", qPrintable(subject.program), operation);
    return median(rounds);
}

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s <bench_operations> <baseline's> <baseline's name> [rounds]\n",
                     argv[0]);
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const char* baselineName = argv[3];
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 5;

    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    std::vector<Subject> subjects;
    for (const int records : CatalogueRecords) {
        folders.push_back(dataFolder(records));
        subjects.push_back({program, records, {}});
    }
    Subject baseline{QString::fromLocal8Bit(argv[2]), Compared, {}};
    Subject& compared = subjects[1];
    for (int round = 0; round < rounds; ++round) {
        // The baseline before and after this program's run in alternate rounds.
        if (round % 2 == 0)
            measure(baseline, folders[1]->path());
        for (std::size_t size = 0; size < subjects.size(); ++size)
            measure(subjects[size], folders[size]->path());
        if (round % 2 == 1)
            measure(baseline, folders[1]->path());
    }

    std::printf("| %-44s | %8s | %8s | %9s | %7s |        |\n",
                "100,000 records, own list 10,000: medians (ms)", "this", baselineName, "x earlier",
                "target");
    std::printf("|----------------------------------------------|----------|----------|"
                "-----------|---------|--------|\n");
    for (const Operation& operation : Operations) {
        const double ms = medianOf(compared, operation.key);
        const double baselineMs = medianOf(baseline, operation.key);
        std::printf("| %-44s | %8.2f | %8.2f | %9.2f | <= %4.2f | %-6s |\n", operation.what, ms,
                    baselineMs, ms / baselineMs, operation.targetRatio,
                    verdict(ms / baselineMs <= operation.targetRatio));
    }
    std::printf("\n| %-44s | %8s | %8s | %9s | %9s | %6s |        |\n",
                "growth with the catalogue: medians (ms)", "10,000", "100,000", "1,000,000",
                "x 100,000", "target");
    std::printf("|----------------------------------------------|----------|----------|-----------|"
                "-----------|--------|--------|\n");
    for (const Operation& operation : std::span(Operations).first(GrowingOperations)) {
        std::array<double, CatalogueRecords.size()> ms{};
        for (std::size_t size = 0; size < subjects.size(); ++size)
            ms[size] = medianOf(subjects[size], operation.key);
        const double growth = ms[2] / ms[1];
        std::printf("| %-44s | %8.2f | %8.2f | %9.2f | %9.1f | <= %3.0f | %-6s |\n", operation.what,
                    ms[0], ms[1], ms[2], growth, GrowthLimit, verdict(growth <= GrowthLimit));
    }
    std::printf("(%d rounds, in turn with %s's build of the same benchmark)\n", rounds,
                baselineName);
    return 0;
}
