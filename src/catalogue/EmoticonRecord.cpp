// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonRecord.h"

#include "Windows1252.h"

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

EmoticonTexts shownTexts(const EmoticonRecord& record, Category::Layout layout)
{
    if (layout == Category::Layout::OwnList)
        return {trimBlanks(record.nameField).toString(),
                trimBlanks(record.representationField).toString()};
    return {categoryFieldText(record.nameField).value_or(QString()),
            categoryFieldText(record.representationField).value_or(QString())};
}
