// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeadingBlock.h"

#include "RecordLayout.h"

namespace LeadingBlock {

QByteArray forRecordCount(qint64 count)
{
    QByteArray block = "Quillane Emoticon catalogue\n"
                       "format: 1\n"
                       "records: " +
                       QByteArray::number(count) +
                       "\n"
                       "record: name 35 bytes, representation 15 bytes, Windows-1252, "
                       "each text ended by 0xE6\n";
    return block.leftJustified(RecordLayout::LeadingBlockSize, ' ');
}

} // namespace LeadingBlock
