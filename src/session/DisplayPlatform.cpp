// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayPlatform.h"

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

} // namespace DisplayPlatform
