// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonRecord.h"

#include <QtGlobal>
#include <algorithm>

// Where records lie in the two kinds of data file. Offsets are 64-bit, so that every entry
// a list can show is addressable however long the file.
namespace RecordLayout {

// Category files open with a block that the program never interprets.
inline constexpr qint64 LeadingBlockSize = 1000;

// Whole records after the leading block; a trailing piece shorter than a record is none.
constexpr qint64 categoryRecordCount(qint64 fileLength)
{
    return std::max<qint64>(0, (fileLength - LeadingBlockSize) / EmoticonRecord::Size);
}

// The own list has no leading block; a trailing piece shorter than a record is ignored.
constexpr qint64 ownListRecordCount(qint64 fileLength)
{
    return std::max<qint64>(0, fileLength / EmoticonRecord::Size);
}

// Byte offset of the record that the list entry at a 0-based index stands for.
constexpr qint64 categoryRecordOffset(qint64 index)
{
    return LeadingBlockSize + EmoticonRecord::Size * index;
}

constexpr qint64 ownListRecordOffset(qint64 index)
{
    return EmoticonRecord::Size * index;
}

} // namespace RecordLayout
