// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// What the layout says a field holds, worked out on the raw bytes, apart from the program's
// own code, so that the fuzz targets compare the readers against it.
namespace FieldBytes {

inline constexpr qsizetype LeadingBlockSize = 1000;
inline constexpr qsizetype RecordSize = 50;
inline constexpr qsizetype NameWidth = 35;
inline constexpr char Terminator = '\xE6';

// Without the blanks (0x20, and no other byte) at both ends.
inline QByteArrayView trimmed(QByteArrayView field)
{
    while (!field.isEmpty() && field.front() == ' ')
        field = field.sliced(1);
    while (!field.isEmpty() && field.back() == ' ')
        field.chop(1);
    return field;
}

// A category-file text: the trimmed field up to its first terminator; none without one.
inline std::optional<QByteArray> categoryText(QByteArrayView field)
{
    const QByteArrayView text = trimmed(field);
    const qsizetype end = text.indexOf(Terminator);
    if (end < 0)
        return std::nullopt;
    return text.first(end).toByteArray();
}

} // namespace FieldBytes
