// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtGlobal>

// The 1000-byte block that opens every category file this tool writes. The program never
// reads it; the tool fills it with a short ASCII header so that a person looking into the
// file sees what it is, and so that a dump can tell the tool's own files from others:
//
//   Quillane Emoticon catalogue
//   format: 1
//   records: <count>
//   record: name 35 bytes, representation 15 bytes, Windows-1252, each text ended by 0xE6
//
// each line ended by LF, the rest up to byte 999 filled with blanks. It depends on the record
// count alone, so the same records always give the same file.
namespace LeadingBlock {

QByteArray forRecordCount(qint64 count);

} // namespace LeadingBlock
