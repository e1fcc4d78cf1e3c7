// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the real program beside a bare Qt window, measured the same way in the same
// run: from the start of the process to the mapping of its main window on the X server, and
// the resident memory once it has drawn. The program runs from copies of its folder: one with
// the shipped catalogue, the others with an all.bra of 10,000, 100,000 and 1,000,000 records.
//
// bench_startup <program folder> <bare window program> [rounds]

#include "BenchData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Launch {
    double mappedMs;
    double residentMiB;
};

// What a subject may cost: a multiple of the bare window's start-up, and resident memory above
// the bare window's.
struct Limits {
    double ratio;
    double mebibytesAboveBare;
};

struct Subject {
    const char* name;
    QString program;
    std::optional<Limits> limits; // none for the baseline
    std::vector<Launch> launches;
};

class XServer {
public:
    XServer()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            qFatal("no X server");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        const auto cookie = xcb_intern_atom(m_connection, 0, 11, "_NET_WM_PID");
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
            xcb_intern_atom_reply(m_connection, cookie, nullptr), &free);
        m_pidAtom = atom->atom;
        xcb_flush(m_connection);
    }
    ~XServer() { xcb_disconnect(m_connection); }

    // Waits for a window of process pid to be mapped; false after the time limit.
    bool waitForMappedWindow(pid_t pid, Clock::time_point limit)
    {
        pollfd watched{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        while (Clock::now() < limit) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool mapped =
                    (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                    windowPid(reinterpret_cast<xcb_map_notify_event_t*>(event)->window) == pid;
                free(event);
                if (mapped)
                    return true;
            }
            poll(&watched, 1, 5);
        }
        return false;
    }

private:
    pid_t windowPid(xcb_window_t window)
    {
        const auto cookie =
            xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), &free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4)
            return 0;
        return pid_t(*static_cast<uint32_t*>(xcb_get_property_value(reply.get())));
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_pidAtom;
};

double residentMiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

Launch launch(XServer& server, const QString& program)
{
    const QByteArray path = program.toLocal8Bit();
    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(path.constData(), path.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (!server.waitForMappedWindow(pid, started + std::chrono::seconds(20)))
        qFatal("%s mapped no window", path.constData());
    const double mappedMs =
        std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    // Memory once the first frames are drawn.
    QThread::msleep(500);
    const double resident = residentMiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {mappedMs, resident};
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values[values.size() / 2];
}

// A copy of the program folder, optionally with a large whole catalogue.
std::unique_ptr<QTemporaryDir> programCopy(const QString& folder, int catalogueRecords)
{
    auto copy = std::make_unique<QTemporaryDir>();
    const QDir source(folder);
    for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
        if (file.suffix() != u"dat" && file.fileName() != u"custom.bra")
            QFile::copy(file.filePath(), copy->filePath(file.fileName()));
    }
    if (catalogueRecords > 0) {
        QFile::remove(copy->filePath(QStringLiteral("all.bra")));
        BenchData::writeCategoryFile(copy->filePath(QStringLiteral("all.bra")), catalogueRecords);
    }
    return copy;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program folder> <bare window program> [rounds]\n",
                     argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 11;
    const auto shipped = programCopy(folder, 0);
    const auto small = programCopy(folder, 10'000);
    const auto large = programCopy(folder, 100'000);
    const auto huge = programCopy(folder, 1'000'000);
    const QString program = QStringLiteral("quillane-emoticon");

    std::vector<Subject> subjects = {
        {"bare Qt window", QString::fromLocal8Bit(argv[2]), std::nullopt, {}},
        {"Quillane Emoticon, shipped catalogue", shipped->filePath(program), Limits{1.08, 10}, {}},
        {"Quillane Emoticon, 10,000 records", small->filePath(program), Limits{1.25, 10}, {}},
        {"Quillane Emoticon, 100,000 records", large->filePath(program), Limits{1.25, 10}, {}},
        {"Quillane Emoticon, 1,000,000 records", huge->filePath(program), Limits{2, 60}, {}},
    };
    XServer server;
    // Warm the disk cache and fontconfig's once, then measure round after round, so that
    // the machine's ups and downs fall on all alike.
    for (Subject& subject : subjects)
        launch(server, subject.program);
    for (int round = 0; round < rounds; ++round) {
        for (Subject& subject : subjects)
            subject.launches.push_back(launch(server, subject.program));
    }

    const auto medianOf = [](const Subject& subject, double Launch::*field) {
        std::vector<double> values;
        for (const Launch& launch : subject.launches)
            values.push_back(launch.*field);
        return median(values);
    };
    const double bareMs = medianOf(subjects[0], &Launch::mappedMs);
    const double bareMiB = medianOf(subjects[0], &Launch::residentMiB);
    std::printf("| %-38s | %10s | %8s | %12s | %-22s |        |\n", "start-up, medians of rounds",
                "mapped ms", "x bare", "resident MiB", "target");
    std::printf("|----------------------------------------|------------|----------|--------------|"
                "------------------------|--------|\n");
    for (const Subject& subject : subjects) {
        const double ms = medianOf(subject, &Launch::mappedMs);
        const double mib = medianOf(subject, &Launch::residentMiB);
        QByteArray target = "the baseline";
        const char* verdict = "";
        if (const std::optional<Limits>& limits = subject.limits) {
            const double mibLimit = limits->mebibytesAboveBare + bareMiB;
            target = QStringLiteral("<= %1 x, <= %2 MiB")
                         .arg(limits->ratio, 0, 'f', 2)
                         .arg(mibLimit, 0, 'f', 1)
                         .toLatin1();
            verdict = ms / bareMs <= limits->ratio && mib <= mibLimit ? "met" : "MISSED";
        }
        std::printf("| %-38s | %10.1f | %8.2f | %12.1f | %-22s | %-6s |\n", subject.name, ms,
                    ms / bareMs, mib, target.constData(), verdict);
    }
    std::printf("(%d rounds; resident memory of the bare window %.1f MiB)\n", rounds, bareMiB);
    return 0;
}
