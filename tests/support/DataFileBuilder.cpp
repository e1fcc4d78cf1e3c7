// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileBuilder.h"

#include <QFile>

namespace DataFileBuilder {

namespace {
QByteArray padded(const QByteArray& field, int width)
{
    return field.leftJustified(width, ' ', true);
}
} // namespace

QByteArray record(const QByteArray& nameField, const QByteArray& representationField)
{
    return padded(nameField, 35) + padded(representationField, 15);
}

QByteArray categoryRecord(const Emoticon& emoticon)
{
    return record(emoticon.first.toLatin1() + '\xE6', emoticon.second.toLatin1() + '\xE6');
}

QByteArray categoryFile(const QByteArray& records)
{
    return QByteArray(1000, 'L') + records;
}

QByteArray categoryFile(const QList<Emoticon>& emoticons)
{
    QByteArray records;
    for (const Emoticon& emoticon : emoticons)
        records += categoryRecord(emoticon);
    return categoryFile(records);
}

QByteArray ownListFile(const QList<Emoticon>& emoticons)
{
    QByteArray records;
    for (const auto& [name, representation] : emoticons)
        records += record(name.toLatin1(), representation.toLatin1());
    return records;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

std::optional<QByteArray> read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
}

QList<Emoticon> numbered(const QString& prefix, int n)
{
    QList<Emoticon> emoticons;
    for (int i = 1; i <= n; ++i)
        emoticons.append(
            {QStringLiteral("%1 %2").arg(prefix).arg(i), QStringLiteral(":-%1").arg(i)});
    return emoticons;
}

} // namespace DataFileBuilder
