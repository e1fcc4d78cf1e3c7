// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPlatform.h"

namespace DisplayPlatform {

namespace {

bool userChosePlatform(const QProcessEnvironment& environment, const QByteArrayList& arguments)
{
    // Qt reads "--platform" as "-platform".
    return !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() ||
           arguments.contains("-platform") || arguments.contains("--platform");
}

bool isWaylandSession(const QProcessEnvironment& environment)
{
    return !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
           environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
}

} // namespace

QByteArray forSession(const QProcessEnvironment& environment, const QByteArrayList& arguments)
{
    // Without an X display Qt's own order already starts with Wayland; in an X11 session it is
    // X11 alone.
    if (userChosePlatform(environment, arguments) || !isWaylandSession(environment) ||
        environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

} // namespace DisplayPlatform
