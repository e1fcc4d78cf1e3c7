// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// Builds data files byte by byte for the tests, independently of the program's own writer:
// texts are Latin-1, which Windows-1252 agrees with outside 0x80-0x9F.
namespace DataFileBuilder {

using Emoticon = std::pair<QString, QString>; // name, representation

// A 50-byte record from raw field contents, each blank-padded to its width.
QByteArray record(const QByteArray& nameField, const QByteArray& representationField);

// A category-file record: each text followed by the terminator 0xE6.
QByteArray categoryRecord(const Emoticon& emoticon);

// The 1000-byte leading block followed by the given records.
QByteArray categoryFile(const QByteArray& records);
QByteArray categoryFile(const QList<Emoticon>& emoticons);

// Own-list records: blank-padded texts, no terminator.
QByteArray ownListFile(const QList<Emoticon>& emoticons);

// Writes (replacing) a file; false when it cannot.
bool write(const QString& path, const QByteArray& bytes);
// A file's content; none when it cannot be read.
std::optional<QByteArray> read(const QString& path);

// n emoticons named "<prefix> 1" .. "<prefix> n".
QList<Emoticon> numbered(const QString& prefix, int n);

} // namespace DataFileBuilder
