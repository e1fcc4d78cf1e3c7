// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BenchData.h"

#include "EmoticonRecord.h"
#include "RecordLayout.h"

#include <QFile>

namespace BenchData {

namespace {

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString representationOf(int number)
{
    return QStringLiteral(":-) %1").arg(number);
}

} // namespace

QString nameOf(int number)
{
    return QStringLiteral("Emoticon %1").arg(number, 6, 10, QLatin1Char('0'));
}

bool writeCategoryFile(const QString& path, int count)
{
    QByteArray bytes(RecordLayout::LeadingBlockSize, ' ');
    bytes.reserve(RecordLayout::LeadingBlockSize + qsizetype(count) * EmoticonRecord::Size);
    for (int number = 1; number <= count; ++number) {
        bytes += EmoticonRecord::fromTexts(nameOf(number) + Terminator,
                                           representationOf(number) + Terminator)
                     .toBytes();
    }
    return write(path, bytes);
}

bool writeOwnList(const QString& path, int count)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * EmoticonRecord::Size);
    for (int number = 1; number <= count; ++number)
        bytes += EmoticonRecord::fromTexts(nameOf(number), representationOf(number)).toBytes();
    return write(path, bytes);
}

} // namespace BenchData
