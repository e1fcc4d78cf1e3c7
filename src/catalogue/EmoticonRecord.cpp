// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonRecord.h"

#include "Windows1252.h"

#include <algorithm>

EmoticonRecord EmoticonRecord::fromBytes(QByteArrayView bytes)
{
    Q_ASSERT(bytes.size() == Size);
    return {Windows1252::decode(bytes.first(NameWidth)),
            Windows1252::decode(bytes.sliced(NameWidth, RepresentationWidth))};
}

EmoticonRecord EmoticonRecord::fromTexts(QStringView name, QStringView representation)
{
    return {storeField(name, NameWidth), storeField(representation, RepresentationWidth)};
}

QByteArray EmoticonRecord::toBytes() const
{
    return Windows1252::encode(nameField) + Windows1252::encode(representationField);
}

QString storeField(QStringView text, int width)
{
    return text.left(width).toString().leftJustified(width, u' ');
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

std::optional<QString> categoryFieldText(QStringView field)
{
    const QStringView trimmed = trimBlanks(field);
    const qsizetype terminatorAt = trimmed.indexOf(Terminator);
    if (terminatorAt < 0)
        return std::nullopt;
    return trimmed.first(terminatorAt).toString();
}

QString categoryListEntry(QStringView nameField)
{
    // Built in place: a list is filled with a hundred thousand of these at a time.
    const QStringView trimmed = trimBlanks(nameField);
    const qsizetype terminatorAt = trimmed.indexOf(Terminator);
    if (terminatorAt < 0)
        return nameField.toString();
    QString entry(EmoticonRecord::NameWidth, u' ');
    std::copy_n(trimmed.data(), std::min<qsizetype>(terminatorAt, EmoticonRecord::NameWidth),
                entry.data());
    return entry;
}

QStringList listEntries(QByteArrayView records, Category::Layout layout)
{
    QStringList entries;
    entries.reserve(records.size() / EmoticonRecord::Size);
    for (qsizetype at = 0; at + EmoticonRecord::Size <= records.size();
         at += EmoticonRecord::Size) {
        const QString name = Windows1252::decode(records.sliced(at, EmoticonRecord::NameWidth));
        entries.append(layout == Category::Layout::OwnList ? name : categoryListEntry(name));
    }
    return entries;
}

EmoticonTexts shownTexts(const EmoticonRecord& record, Category::Layout layout)
{
    if (layout == Category::Layout::OwnList)
        return {trimBlanks(record.nameField).toString(),
                trimBlanks(record.representationField).toString()};
    return {categoryFieldText(record.nameField).value_or(QString()),
            categoryFieldText(record.representationField).value_or(QString())};
}
