// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A problem found in an input file, told to the user as "FILE:LINE: message", or as
// "FILE: message" when it belongs to no line.
struct Diagnostic {
    QString file;
    int line = 0;
    QString message;

    QString text() const
    {
        return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                        : QStringLiteral("%1: %2").arg(file, message);
    }
};
