// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ListEntries.h"

#include <QStringList>

// Every entry of a list, as a person reads them down the list.
inline QStringList namesOf(const ListEntries& entries)
{
    QStringList names;
    for (int row = 0; row < entries.count(); ++row)
        names.append(entries.entry(row));
    return names;
}
