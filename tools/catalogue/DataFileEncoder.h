// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Categories.h"
#include "SourceEntry.h"

#include <QByteArray>
#include <QList>

// The bytes of a data file holding the given entries in the given order: a category file
// (leading block, each text ended by "æ") or an own list (records only, no terminator). The
// entries must have passed FieldRules for that layout, so that no text is cut.
namespace DataFileEncoder {

QByteArray encode(const QList<SourceEntry>& entries, Category::Layout layout);

// The 50 bytes of one record of that layout.
QByteArray encodeRecord(const QString& name, const QString& representation,
                        Category::Layout layout);

} // namespace DataFileEncoder
