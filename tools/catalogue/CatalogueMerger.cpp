// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueMerger.h"

#include "NameOrder.h"

CatalogueMerger::CatalogueMerger(Category::Layout layout)
    : m_layout(layout)
{
}

QList<Diagnostic> CatalogueMerger::add(const QList<SourceEntry>& entries)
{
    QList<Diagnostic> clashes;
    for (const SourceEntry& entry : entries) {
        const QString key = NameOrder::foldKey(entry.name);
        const auto earlier = m_firstByKey.constFind(key);
        if (earlier == m_firstByKey.cend()) {
            m_firstByKey.insert(key, m_entries.size());
            m_entries.append(entry);
            continue;
        }
        const SourceEntry& first = m_entries[*earlier];
        if (const std::optional<QString> clash = clashWith(first, entry))
            clashes.append({entry.file, entry.line, *clash});
        else if (first.file == entry.file)
            m_entries.append(entry);
    }
    return clashes;
}

// Nothing when the entry may stand beside the earlier one of the same name: a repeat in the
// same own list, or the same emoticon written alike in another source.
std::optional<QString> CatalogueMerger::clashWith(const SourceEntry& earlier,
                                                  const SourceEntry& entry) const
{
    if (earlier.file == entry.file) {
        if (m_layout == Category::Layout::OwnList)
            return std::nullopt;
        return QStringLiteral("nome «%1» repetido: já está na linha %2 («%3»)")
            .arg(entry.name)
            .arg(earlier.line)
            .arg(earlier.name);
    }
    const QString elsewhere = QStringLiteral("%1:%2").arg(earlier.file).arg(earlier.line);
    if (earlier.representation != entry.representation)
        return QStringLiteral("nome «%1» já está em %2 com outra representação («%3», aqui «%4»)")
            .arg(entry.name, elsewhere, earlier.representation, entry.representation);
    if (earlier.name != entry.name)
        return QStringLiteral("nome «%1» já está em %2 escrito «%3»")
            .arg(entry.name, elsewhere, earlier.name);
    return std::nullopt;
}
