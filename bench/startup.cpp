// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the real program beside a bare Qt window, measured the same way in the same
// run: from the start of the process to the mapping of its main window on the X server, and
// the resident memory once it has drawn. Then its closing: from the close request that a window
// manager sends when the close box is clicked to the end of the process, with nothing copied,
// and after a copy, which the program hands to its clipboard keeper as it ends; for the copy,
// also until the keeper holds it. The program runs from copies of its folder: one with the
// shipped catalogue, the others with an all.bra of 10,000, 100,000 and 1,000,000 records.
//
// bench_startup <program folder> <bare window program> [rounds]

#include "BenchData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
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
    double closedMs;
    double keptMs; // after a copy: from the close request until the keeper holds the text
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
    std::optional<Limits> limits; // none for the baseline, and where start-up is not the point
    bool copiesFirst;             // copies an emoticon before it is closed
    std::vector<Launch> launches;
};

// What closing the program may take, from the close request to the end of the process.
constexpr double ClosingLimitMs = 100;

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
        m_pidAtom = atom("_NET_WM_PID");
        m_protocolsAtom = atom("WM_PROTOCOLS");
        m_deleteWindowAtom = atom("WM_DELETE_WINDOW");
        m_clipboardAtom = atom("CLIPBOARD");
        m_textAtom = atom("UTF8_STRING");
        m_requestor = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, 0, m_requestor, m_root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    }
    ~XServer() { xcb_disconnect(m_connection); }

    // Waits for a window of process pid to be mapped; none after the time limit.
    xcb_window_t waitForMappedWindow(pid_t pid, Clock::time_point limit)
    {
        const Event mapped = waitForEvent(XCB_MAP_NOTIFY, limit, [this, pid](const auto* event) {
            return windowPid(reinterpret_cast<const xcb_map_notify_event_t*>(event)->window) == pid;
        });
        return mapped ? reinterpret_cast<const xcb_map_notify_event_t*>(mapped.get())->window
                      : XCB_NONE;
    }

    // What a window manager sends a window whose close box is clicked.
    void requestClose(xcb_window_t window)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = m_protocolsAtom;
        message.data.data32[0] = m_deleteWindowAtom;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
    }

    // Pastes until the clipboard gives text; false after the time limit.
    bool waitForPaste(const QByteArray& text, Clock::time_point limit)
    {
        while (paste(std::min(limit, Clock::now() + std::chrono::milliseconds(100))) != text) {
            if (Clock::now() >= limit)
                return false;
            QThread::usleep(500);
        }
        return true;
    }

    // Empties the clipboard, which also ends a keeper that holds it.
    void emptyClipboard()
    {
        xcb_set_selection_owner(m_connection, XCB_NONE, m_clipboardAtom, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
    }

    int height(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> geometry(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr),
            &free);
        return geometry ? geometry->height : 0;
    }

private:
    using Event = std::unique_ptr<xcb_generic_event_t, decltype(&free)>;

    // Waits for an event of a type that matches; none after the time limit. Others are dropped.
    template <typename Matches>
    Event waitForEvent(uint8_t type, Clock::time_point limit, Matches matches)
    {
        pollfd watched{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        while (Clock::now() < limit) {
            while (Event event{xcb_poll_for_event(m_connection), &free}) {
                if ((event->response_type & 0x7f) == type && matches(event.get()))
                    return event;
            }
            poll(&watched, 1, 5);
        }
        return {nullptr, &free};
    }

    // The clipboard's text, asked of its owner as a paste does; empty when nobody gives one.
    QByteArray paste(Clock::time_point limit)
    {
        xcb_convert_selection(m_connection, m_requestor, m_clipboardAtom, m_textAtom, m_textAtom,
                              XCB_CURRENT_TIME);
        xcb_flush(m_connection);
        const Event notified =
            waitForEvent(XCB_SELECTION_NOTIFY, limit, [](const auto*) { return true; });
        if (!notified ||
            reinterpret_cast<const xcb_selection_notify_event_t*>(notified.get())->property ==
                XCB_NONE)
            return {};
        const auto cookie = xcb_get_property(m_connection, 1, m_requestor, m_textAtom,
                                             XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), &free);
        if (!reply)
            return {};
        return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                xcb_get_property_value_length(reply.get())};
    }

    xcb_atom_t atom(const char* name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(m_connection, cookie, nullptr), &free);
        return reply ? reply->atom : XCB_NONE;
    }

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
    xcb_atom_t m_protocolsAtom;
    xcb_atom_t m_deleteWindowAtom;
    xcb_atom_t m_clipboardAtom;
    xcb_atom_t m_textAtom;
    xcb_window_t m_requestor; // the window a paste asks the text for
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

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

const QByteArray Copied = "B-)";

// Copies Yahoo's "Legal", B-), as a person does, with two clicks (xdotool's): the toolbar's Yahoo
// button, then the panel's button, in the client area under the menu bar (481 x 368 pixels).
void copyLegal(XServer& server, xcb_window_t window)
{
    const int clientTop = server.height(window) - 368;
    const QString id = QString::number(window);
    QProcess::execute(
        QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), id, QStringLiteral("129"),
         QString::number(clientTop + 13), QStringLiteral("click"), QStringLiteral("1"),
         QStringLiteral("mousemove"), QStringLiteral("--window"), id, QStringLiteral("372"),
         QString::number(clientTop + 148), QStringLiteral("click"), QStringLiteral("1")});
}

Launch launch(XServer& server, const QString& program, bool copiesFirst)
{
    const QByteArray path = program.toLocal8Bit();
    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(path.constData(), path.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const xcb_window_t window = server.waitForMappedWindow(pid, started + std::chrono::seconds(20));
    if (window == XCB_NONE)
        qFatal("%s mapped no window", path.constData());
    const double mappedMs = msSince(started);
    // Memory once the first frames are drawn.
    QThread::msleep(500);
    const double resident = residentMiB(pid);
    if (copiesFirst) {
        copyLegal(server, window);
        if (!server.waitForPaste(Copied, Clock::now() + std::chrono::seconds(5)))
            qFatal("%s copied nothing", path.constData());
    }
    const Clock::time_point closing = Clock::now();
    server.requestClose(window);
    waitpid(pid, nullptr, 0);
    const double closedMs = msSince(closing);
    double keptMs = 0;
    if (copiesFirst) {
        // The program has ended: whatever gives the text now is its keeper.
        if (!server.waitForPaste(Copied, closing + std::chrono::seconds(5)))
            qFatal("nothing keeps the copy of %s", path.constData());
        keptMs = msSince(closing);
        server.emptyClipboard();
    }
    return {mappedMs, resident, closedMs, keptMs};
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
        {"bare Qt window", QString::fromLocal8Bit(argv[2]), std::nullopt, false, {}},
        {"Quillane Emoticon, shipped catalogue",
         shipped->filePath(program),
         Limits{1.08, 10},
         false,
         {}},
        {"Quillane Emoticon, 10,000 records",
         small->filePath(program),
         Limits{1.25, 10},
         false,
         {}},
        {"Quillane Emoticon, 100,000 records",
         large->filePath(program),
         Limits{1.25, 10},
         false,
         {}},
        {"Quillane Emoticon, 1,000,000 records", huge->filePath(program), Limits{2, 60}, false, {}},
        {"Quillane Emoticon, after a copy", shipped->filePath(program), std::nullopt, true, {}},
    };
    XServer server;
    // Warm the disk cache and fontconfig's once, then measure round after round, so that
    // the machine's ups and downs fall on all of them alike.
    for (Subject& subject : subjects)
        launch(server, subject.program, subject.copiesFirst);
    for (int round = 0; round < rounds; ++round) {
        for (Subject& subject : subjects)
            subject.launches.push_back(launch(server, subject.program, subject.copiesFirst));
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
        if (subject.copiesFirst)
            continue;
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
    std::printf("(%d rounds; resident memory of the bare window %.1f MiB)\n\n", rounds, bareMiB);

    std::printf("| %-38s | %12s | %12s | %-22s |        |\n", "closing, medians of rounds",
                "to exit ms", "kept ms", "target");
    std::printf("|----------------------------------------|--------------|--------------|"
                "------------------------|--------|\n");
    for (const Subject& subject : subjects) {
        const double ms = medianOf(subject, &Launch::closedMs);
        const bool baseline = subject.program == subjects.front().program;
        const QByteArray kept = subject.copiesFirst
                                    ? QByteArray::number(medianOf(subject, &Launch::keptMs), 'f', 1)
                                    : QByteArray("-");
        const QByteArray target = baseline
                                      ? QByteArray("the baseline")
                                      : "to exit <= " + QByteArray::number(ClosingLimitMs) + " ms";
        std::printf("| %-38s | %12.1f | %12s | %-22s | %-6s |\n", subject.name, ms,
                    kept.constData(), target.constData(),
                    baseline               ? ""
                    : ms <= ClosingLimitMs ? "met"
                                           : "MISSED");
    }
    return 0;
}
