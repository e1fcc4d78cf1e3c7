// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Windows1252.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; every other byte is the Unicode code point of the same number.
constexpr std::array<char16_t, 32> HighControlRange = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

QChar charOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(HighControlRange[byte - 0x80]);
    return QChar(byte);
}

std::optional<char> byteOf(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

namespace Windows1252 {

QString decode(QByteArrayView bytes)
{
    // Written through the raw buffer: a category change decodes millions of characters.
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = charOf(static_cast<unsigned char>(byte));
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = byteOf(text[i]).value_or('?');
    return bytes;
}

std::optional<QChar> firstUnencodable(QStringView text)
{
    for (QChar c : text) {
        if (!byteOf(c))
            return c;
    }
    return std::nullopt;
}

const CaseFolding& caseFolding()
{
    // Built once, on the first search.
    static const CaseFolding folding = [] {
        CaseFolding table{};
        for (std::size_t byte = 0; byte < table.size(); ++byte) {
            const char32_t folded = QChar::toCaseFolded(char32_t(charOf(uchar(byte)).unicode()));
            table[byte] = uchar(byteOf(QChar(char16_t(folded))).value_or(char(byte)));
        }
        return table;
    }();
    return folding;
}

} // namespace Windows1252
