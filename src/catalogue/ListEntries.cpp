// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListEntries.h"

#include "EmoticonRecord.h"

#include <utility>

namespace {

constexpr char Blank = ' ';
// The terminator's byte: Windows-1252 agrees with Unicode below 0x100, outside 0x80-0x9F.
constexpr char TerminatorByte = char(Terminator.unicode());
static_assert(Terminator.unicode() == 0xE6);

QByteArrayView trimBlanks(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.front() == Blank)
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == Blank)
        bytes.chop(1);
    return bytes;
}

} // namespace

ListEntries::ListEntries(QByteArray records, Category::Layout layout, Names names)
    : m_records(std::move(records))
    , m_layout(layout)
    , m_names(names)
{
}

int ListEntries::count() const
{
    return int(m_records.size() / EmoticonRecord::Size);
}

QString ListEntries::entry(int row) const
{
    const Listed bytes = listed(row);
    QString entry = Windows1252::decode(bytes.text);
    entry.resize(bytes.width, QChar(Blank));
    return entry;
}

void ListEntries::remove(int row)
{
    m_records.remove(qsizetype(row) * EmoticonRecord::Size, EmoticonRecord::Size);
}

QByteArrayView ListEntries::nameField(int row) const
{
    return QByteArrayView(m_records).sliced(qsizetype(row) * EmoticonRecord::Size,
                                            EmoticonRecord::NameWidth);
}

ListEntries::Listed ListEntries::listed(int row) const
{
    const QByteArrayView field = nameField(row);
    Listed entry{field, field.size()};
    if (m_layout == Category::Layout::CategoryFile) {
        const QByteArrayView trimmed = trimBlanks(field);
        if (const qsizetype terminatorAt = trimmed.indexOf(TerminatorByte); terminatorAt >= 0)
            entry.text = trimmed.first(terminatorAt);
    }
    if (m_names == Names::Trimmed) {
        entry.text = trimBlanks(entry.text);
        entry.width = entry.text.size();
    }
    return entry;
}

bool ListEntries::beginsWith(int row, QByteArrayView foldedText,
                             const Windows1252::CaseFolding& folding) const
{
    const QByteArrayView field = nameField(row);
    // The search runs over every entry at each keystroke. An own-list entry is its field, and
    // a category file's name that starts with no blank is its field up to a terminator and
    // blanks after it: those bytes are compared as they come, without looking for the
    // terminator first.
    if (m_names == Names::AsListed &&
        (m_layout == Category::Layout::OwnList || field.front() != Blank)) {
        const bool endsAtTerminator = m_layout == Category::Layout::CategoryFile;
        for (qsizetype at = 0; at < foldedText.size(); ++at) {
            if (endsAtTerminator && field[at] == TerminatorByte)
                return trimBlanks(foldedText.sliced(at)).isEmpty();
            if (folding[uchar(field[at])] != uchar(foldedText[at]))
                return false;
        }
        return true;
    }
    const Listed entry = listed(row);
    if (foldedText.size() > entry.width)
        return false;
    for (qsizetype at = 0; at < foldedText.size(); ++at) {
        const char byte = at < entry.text.size() ? entry.text[at] : Blank;
        if (folding[uchar(byte)] != uchar(foldedText[at]))
            return false;
    }
    return true;
}

int ListEntries::firstBeginningWith(QStringView text, int start) const
{
    const int rows = count();
    if (text.isEmpty() || text.size() > EmoticonRecord::NameWidth || rows == 0 ||
        Windows1252::firstUnencodable(text))
        return -1;
    const Windows1252::CaseFolding& folding = Windows1252::caseFolding();
    QByteArray foldedText = Windows1252::encode(text);
    for (char& byte : foldedText)
        byte = char(folding[uchar(byte)]);

    const int first = start >= 0 && start < rows ? start + 1 : 0;
    for (const auto& [from, to] : {std::pair{first, rows}, std::pair{0, first}}) {
        for (int row = from; row < to; ++row) {
            if (beginsWith(row, foldedText, folding))
                return row;
        }
    }
    return -1;
}
