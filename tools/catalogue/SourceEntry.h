// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One emoticon of a catalogue source, with the place it was written, so that later checks
// can point the user at it.
struct SourceEntry {
    QString name;
    QString representation;
    QString file;
    int line = 0;
};
