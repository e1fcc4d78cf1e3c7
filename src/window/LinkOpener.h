// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Desktop;

// Hands an address to the desktop's "open" action, which opens it with the program the desktop
// associates with it: a web page, a mail link, a local file. The program keeps one, made when
// first needed and shared by the main window and the about box.
class LinkOpener {
public:
    explicit LinkOpener(Desktop& desktop);

    // The address goes over unchanged (a local file by its path). The program does not wait
    // for it to open, and says nothing when it cannot be opened: the result is only the
    // desktop's answer.
    bool open(const QString& address);

private:
    Desktop& m_desktop;
};
