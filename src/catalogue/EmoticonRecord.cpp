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
    if (const auto name = CategoryFieldText(nameField))
        return StoreField(*name, EmoticonRecord::NameWidth);
    return nameField.toString();
}

EmoticonTexts ShownTexts(const EmoticonRecord& record, Category::Layout layout)
{
    if (layout == Category::Layout::OwnList)
        return {TrimBlanks(record.EmoticonName).toString(),
                TrimBlanks(record.Representation).toString()};
    return {CategoryFieldText(record.EmoticonName).value_or(QString()),
            CategoryFieldText(record.Representation).value_or(QString())};
}
