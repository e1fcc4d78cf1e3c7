// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShutDown.h"

#include <QApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may call next to nothing, Qt not at all: it writes one byte into a pipe,
// which the event loop reads. (A signalfd would need the signals blocked in every thread before
// any starts, Qt's own among them.)
int signalPipeInput = -1;

void onSignal(int)
{
    const int interruptedError = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(signalPipeInput, &byte, 1);
    errno = interruptedError;
}

} // namespace

ShutDown::ShutDown(QWidget& window)
{
    window.installEventFilter(this);
    // Qt 6 leaves closing the windows at the session's end to the program.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ShutDown::closeEveryWindow,
            Qt::DirectConnection);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ShutDown::closeEveryWindow);
    catchSignals();
}

ShutDown::~ShutDown()
{
    for (const int signal : EndingSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == onSignal)
            std::signal(signal, SIG_DFL);
    }
    delete m_signalArrived;
    signalPipeInput = -1;
    for (const int end : m_signalPipe) {
        if (end >= 0)
            ::close(end);
    }
}

void ShutDown::catchSignals()
{
    if (::pipe2(m_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    signalPipeInput = m_signalPipe[1];
    m_signalArrived = new QSocketNotifier(m_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signalArrived, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(m_signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        closeEveryWindow();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : EndingSignals) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

void ShutDown::closeEveryWindow()
{
    // Also while the window is closing: Qt passes over a window already closing, and closes
    // the box it may have open (a failed write's "Erro"), so that the closing goes on.
    QApplication::closeAllWindows();
}

bool ShutDown::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && !m_begun) {
        m_begun = true;
        emit begun();
    }
    return QObject::eventFilter(watched, event);
}
