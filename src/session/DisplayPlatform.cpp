// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPlatform.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Whether something takes a connection on the local socket at path (in Linux's abstract
// namespace when abstract), without waiting: one too busy to take it now is there, and so is
// one that cannot even be tried.
bool answers(const QByteArray& path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t start = abstract ? 1 : 0;
    if (path.isEmpty() || start + std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + start, path.constData(), std::size_t(path.size()));
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0)
        return true;
    const auto size = socklen_t(offsetof(sockaddr_un, sun_path) + start + std::size_t(path.size()));
    const bool connected =
        ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), size) == 0 ||
        errno == EAGAIN;
    ::close(descriptor);
    return connected;
}

// DISPLAY names this machine's X server N as ":N" or "unix:N" (a screen may follow a dot),
// which listens on /tmp/.X11-unix/XN, in the abstract namespace too. Another form (a host, as
// ssh's forwarding gives, or a path) is taken to answer: only the X library could tell.
bool xServerAnswers(const QString& display)
{
    if (display.isEmpty())
        return false;
    const QStringView local = QStringView(display).sliced(display.startsWith(u"unix:") ? 4 : 0);
    if (!local.startsWith(u':'))
        return true;
    bool isNumber = false;
    const ushort server = local.sliced(1).split(u'.').first().toUShort(&isNumber);
    if (!isNumber)
        return true;
    const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(server);
    return answers(socket, true) || answers(socket, false);
}

// WAYLAND_DISPLAY names the compositor's socket, a path or a name (by default wayland-0) in
// the runtime folder.
bool compositorAnswers(const QProcessEnvironment& environment)
{
    QString socket =
        environment.value(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    if (QDir::isRelativePath(socket)) {
        const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
        if (runtime.isEmpty())
            return false;
        socket = runtime + u'/' + socket;
    }
    return answers(QFile::encodeName(socket), false);
}

// Whether Qt's platform plugin can show a window here.
bool canShow(const QByteArray& plugin, const QProcessEnvironment& environment)
{
    if (plugin == "xcb")
        return xServerAnswers(environment.value(QStringLiteral("DISPLAY")));
    if (plugin.startsWith("wayland"))
        return compositorAnswers(environment);
    return true;
}

} // namespace

namespace DisplayPlatform {

QByteArray forSession(const QProcessEnvironment& environment)
{
    const auto variable = [&environment](const char* name) {
        return environment.value(QLatin1String(name));
    };
    const bool waylandSession =
        !variable("WAYLAND_DISPLAY").isEmpty() || variable("XDG_SESSION_TYPE") == u"wayland";
    // Without an X display Qt's own order already starts with Wayland; in an X11 session it is
    // X11 alone.
    if (!variable("QT_QPA_PLATFORM").isEmpty() || !waylandSession || variable("DISPLAY").isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

QByteArray tried(int argc, char* argv[])
{
    // Qt reads its own options with one dash or two.
    for (int at = 1; at + 1 < argc; ++at) {
        if (qstrcmp(argv[at], "-platform") == 0 || qstrcmp(argv[at], "--platform") == 0)
            return argv[at + 1];
    }
    return qgetenv("QT_QPA_PLATFORM");
}

bool hasDisplay(const QProcessEnvironment& environment, const QByteArray& platforms)
{
    const QList<QByteArray> names =
        platforms.isEmpty() ? QList<QByteArray>{"xcb", "wayland"} : platforms.split(';');
    // Options may follow a platform's name after a colon.
    return std::ranges::any_of(names, [&environment](const QByteArray& name) {
        return canShow(name.split(':').first(), environment);
    });
}

} // namespace DisplayPlatform
