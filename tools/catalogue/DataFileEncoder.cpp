// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileEncoder.h"

#include "EmoticonRecord.h"
#include "LeadingBlock.h"

namespace DataFileEncoder {

QByteArray encode(const QList<SourceEntry>& entries, Category::Layout layout)
{
    QByteArray bytes = layout == Category::Layout::CategoryFile
                           ? LeadingBlock::forRecordCount(entries.size())
                           : QByteArray();
    bytes.reserve(bytes.size() + entries.size() * EmoticonRecord::Size);
    for (const SourceEntry& entry : entries)
        bytes += encodeRecord(entry.name, entry.representation, layout);
    return bytes;
}

QByteArray encodeRecord(const QString& name, const QString& representation, Category::Layout layout)
{
    if (layout == Category::Layout::OwnList)
        return EmoticonRecord::fromTexts(name, representation).toBytes();
    return EmoticonRecord::fromTexts(name + Terminator, representation + Terminator).toBytes();
}

} // namespace DataFileEncoder
