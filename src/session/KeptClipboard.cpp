// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeptClipboard.h"

#include "FileFailure.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

namespace {

// Built and installed beside the program.
constexpr auto KeeperFileName = "quillane-clipboard-keeper";

// A pipe that already holds the whole text and is closed for writing, for the keeper's standard
// input: the keeper reads it at its own pace, and this program neither waits for it nor writes
// to a reader that went away.
std::error_code pipeHolding(const QByteArray& text, int& readEnd)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return lastSystemError();
    ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
    // Room for the whole text: a pipe takes 64 KiB unless asked for more, and a text box's text,
    // copied whole, can be longer. Where more is refused (the user's pipes are at their limit),
    // that is the reason a longer text is not kept.
    constexpr qsizetype PipeTakes = 1 << 16;
    if (::fcntl(ends[1], F_SETPIPE_SZ, int(qMin(text.size(), qsizetype(1) << 20))) < 0 &&
        text.size() > PipeTakes) {
        const std::error_code refused = lastSystemError();
        ::close(ends[0]);
        ::close(ends[1]);
        return refused;
    }
    const ssize_t written = ::write(ends[1], text.constData(), size_t(text.size()));
    const std::error_code writeError = lastSystemError();
    ::close(ends[1]);
    if (written == text.size()) {
        readEnd = ends[0];
        return {};
    }
    ::close(ends[0]);
    return written < 0 ? writeError : std::make_error_code(std::errc::file_too_large);
}

// The keeper runs in a session of its own, from the root folder, with the pipe as its standard
// input and nothing else of this program's: its output goes nowhere, since a terminal or a log
// it held open would wait for it, and every signal does to it what it does by default, whatever
// this program was started with.
std::error_code startKeeper(const QByteArray& keeper, int input)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawn_file_actions_addchdir_np(&actions, "/");
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t noSignal;
    sigemptyset(&noSignal);
    posix_spawnattr_setsigmask(&attributes, &noSignal);
    sigset_t everySignal;
    sigfillset(&everySignal);
    posix_spawnattr_setsigdefault(&attributes, &everySignal);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t started = 0;
    char* const arguments[] = {const_cast<char*>(keeper.constData()), nullptr};
    const int error =
        ::posix_spawn(&started, keeper.constData(), &actions, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return {error, std::generic_category()};
}

} // namespace

namespace KeptClipboard {

void handOver(const QString& programFolder)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() != u"xcb" || !clipboard->ownsClipboard())
        return;
    const QString text = clipboard->text();
    if (text.isEmpty())
        return;
    const QString keeper = QDir(programFolder).filePath(QLatin1String(KeeperFileName));
    int input = -1;
    std::error_code error = pipeHolding(text.toUtf8(), input);
    if (!error) {
        error = startKeeper(QFile::encodeName(keeper), input);
        ::close(input);
    }
    if (error) {
        const FileFailure failure{FileFailure::Action::Run, keeper, error};
        qWarning("Quillane Emoticon: o que você copiou não fica na área de transferência depois "
                 "que o programa fecha. %s",
                 qUtf8Printable(failure.message()));
    }
}

} // namespace KeptClipboard
