// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NameOrder.h"

#include <algorithm>

QString NameOrder::foldKey(QStringView name)
{
    QString key = name.toString().normalized(QString::NormalizationForm_D);
    key.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return key.toLower();
}

bool NameOrder::precedes(QStringView left, QStringView right)
{
    const int byKey = QString::compare(foldKey(left), foldKey(right), Qt::CaseSensitive);
    return byKey != 0 ? byKey < 0 : left.compare(right) < 0;
}

void NameOrder::sort(QList<SourceEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SourceEntry& left, const SourceEntry& right) {
                         return precedes(left.name, right.name);
                     });
}
