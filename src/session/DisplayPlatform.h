// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>

// Which of Qt's window-system platforms the program asks for. In a Wayland session no client
// can keep its window above the others or place it (the compositor decides both), so there the
// program runs as an X11 client through XWayland whenever an X display is offered, and
// natively only when the X server turns it away or there is none. A platform the user chose
// in QT_QPA_PLATFORM is left alone; one given by -platform wins inside Qt anyway.
namespace DisplayPlatform {

// The value for QT_QPA_PLATFORM, a list Qt tries in order; empty to keep Qt's own choice.
QByteArray forSession(const QProcessEnvironment& environment);

// The list Qt tries for this start: -platform's value, else QT_QPA_PLATFORM's; empty for Qt's
// own choice.
QByteArray tried(int argc, char* argv[]);

// Whether one of the platforms tried can show a window. Qt cannot go on without one, and
// aborts; the program says why in Portuguese instead. X11 and Wayland need their server to
// answer; any other platform (offscreen, VNC, a framebuffer) is Qt's to judge.
bool hasDisplay(const QProcessEnvironment& environment, const QByteArray& platforms);

} // namespace DisplayPlatform
