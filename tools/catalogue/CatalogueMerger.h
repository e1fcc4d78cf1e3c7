// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Diagnostic.h"
#include "FieldRules.h"
#include "SourceEntry.h"

#include <QHash>
#include <QList>

// Joins the entries of one or more sources into one catalogue, names compared without regard
// to case or accents. An emoticon written the same way in several sources is taken once; the
// same name with another representation, or spelt otherwise, is an error that names both
// places. Within one source a repeated name is an error in category files, while an own list
// keeps every record, repeats included, as the program itself lets the user add an emoticon
// twice.
class CatalogueMerger {
public:
    explicit CatalogueMerger(Category::Layout layout);

    // Adds the entries of one source, in their order; gives the clashes found among them.
    QList<Diagnostic> add(const QList<SourceEntry>& entries);

    const QList<SourceEntry>& entries() const { return m_entries; }

private:
    std::optional<QString> clashWith(const SourceEntry& earlier, const SourceEntry& entry) const;

    Category::Layout m_layout;
    QList<SourceEntry> m_entries;
    QHash<QString, qsizetype> m_firstByKey;
};
