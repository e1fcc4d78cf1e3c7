// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SourceEntry.h"

#include <QList>
#include <QString>
#include <QStringView>

// Portuguese dictionary order of emoticon names: compared without regard to case or accents
// ("Água" sorts with "agua", "Ábaco" after "abacaxi"), ties broken by the exact text so that
// the order is total and every build sorts alike.
class NameOrder {
public:
    // The name decomposed (NFD), without its non-spacing marks, in lower case. Two names
    // with the same key are the same name.
    static QString foldKey(QStringView name);

    static bool precedes(QStringView left, QStringView right);

    // Sorts by name; entries with equal names keep their order.
    static void sort(QList<SourceEntry>& entries);
};
