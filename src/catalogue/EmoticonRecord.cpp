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
    return {StoreField(name, NameWidth), StoreField(representation, RepresentationWidth)};
}

QByteArray EmoticonRecord::toBytes() const
{
    return Windows1252::encode(EmoticonName) + Windows1252::encode(Representation);
}

QString StoreField(QStringView text, int width)
{
    return text.left(width).toString().leftJustified(width, u' ');
}

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

std::optional<QString> CategoryFieldText(QStringView field)
{
    const QStringView trimmed = TrimBlanks(field);
    const qsizetype terminatorAt = trimmed.indexOf(Terminator);
    if (terminatorAt < 0)
        return std::nullopt;
    return trimmed.first(terminatorAt).toString();
}

QString CategoryListEntry(QStringView nameField)
{
    // Built in place: a list is filled with a hundred thousand of these at a time.
    const QStringView trimmed = TrimBlanks(nameField);
    const qsizetype terminatorAt = trimmed.indexOf(Terminator);
    if (terminatorAt < 0)
        return nameField.toString();
    QString entry(EmoticonRecord::NameWidth, u' ');
    std::copy_n(trimmed.data(), std::min<qsizetype>(terminatorAt, EmoticonRecord::NameWidth),
                entry.data());
    return entry;
}

EmoticonTexts ShownTexts(const EmoticonRecord& record, Category::Layout layout)
{
    if (layout == Category::Layout::OwnList)
        return {TrimBlanks(record.EmoticonName).toString(),
                TrimBlanks(record.Representation).toString()};
    return {CategoryFieldText(record.EmoticonName).value_or(QString()),
            CategoryFieldText(record.Representation).value_or(QString())};
}
