// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListEntries.h"

#include "EmoticonRecord.h"
#include "Windows1252.h"

#include <array>
#include <cstring>
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

// The search text, folded, with a sieve that passes over most names eight bytes at a time:
// where the text holds an ASCII character other than a blank, a name that begins with the text
// holds that character there or, for a letter, its capital (ASCII letters fold by bit 0x20, and
// no other byte folds to an ASCII character). The text's other bytes (blanks, which may stand
// for a category name's padding, and characters outside ASCII) are left to the exact comparison.
class ListEntries::SearchText {
public:
    SearchText(QByteArrayView text, const Windows1252::CaseFolding& folding)
        : m_folding(folding)
        , m_words(int((text.size() + WordSize - 1) / WordSize))
    {
        std::array<char, sizeof(Words)> folded{}, letters{}, compared{};
        for (qsizetype at = 0; at < text.size(); ++at) {
            const char byte = char(folding[uchar(text[at])]);
            m_folded.append(byte);
            if (byte == Blank || uchar(byte) >= 0x80)
                continue;
            folded[at] = byte;
            compared[at] = char(0xFF);
            letters[at] = byte >= 'a' && byte <= 'z' ? char(0x20) : char(0);
        }
        std::memcpy(m_sieveText.data(), folded.data(), sizeof(Words));
        std::memcpy(m_sieveLetters.data(), letters.data(), sizeof(Words));
        std::memcpy(m_sieveCompared.data(), compared.data(), sizeof(Words));
    }

    QByteArrayView folded() const { return m_folded; }
    bool folds(char byte, qsizetype at) const
    {
        return m_folding[uchar(byte)] == uchar(m_folded[at]);
    }

    // False when a name whose entry is its field up to any terminator (see beginsWith) cannot
    // begin with the text. Reads whole words: the record goes on past the name's field.
    bool mayBegin(const char* field) const
    {
        for (int word = 0; word < m_words; ++word) {
            quint64 bytes = 0;
            std::memcpy(&bytes, field + word * WordSize, WordSize);
            if (((bytes | m_sieveLetters[word]) ^ m_sieveText[word]) & m_sieveCompared[word])
                return false;
        }
        return true;
    }

private:
    static constexpr qsizetype WordSize = sizeof(quint64);
    using Words = std::array<quint64, (EmoticonRecord::NameWidth + WordSize - 1) / WordSize>;
    static_assert(sizeof(Words) <= EmoticonRecord::Size);

    const Windows1252::CaseFolding& m_folding;
    QByteArray m_folded;
    int m_words;
    Words m_sieveText{};
    Words m_sieveLetters{};
    Words m_sieveCompared{};
};

bool ListEntries::beginsWith(int row, const SearchText& text) const
{
    const QByteArrayView field = nameField(row);
    const QByteArrayView folded = text.folded();
    // The search runs over every entry at each keystroke. An own-list entry is its field, and
    // a category file's name that starts with no blank is its field up to a terminator and
    // blanks after it: such names are sifted, and compared as their bytes come, without
    // looking for the terminator first.
    if (m_names == Names::AsListed &&
        (m_layout == Category::Layout::OwnList || field.front() != Blank)) {
        if (!text.mayBegin(field.data()))
            return false;
        const bool endsAtTerminator = m_layout == Category::Layout::CategoryFile;
        for (qsizetype at = 0; at < folded.size(); ++at) {
            if (endsAtTerminator && field[at] == TerminatorByte)
                return trimBlanks(folded.sliced(at)).isEmpty();
            if (!text.folds(field[at], at))
                return false;
        }
        return true;
    }
    const Listed entry = listed(row);
    if (folded.size() > entry.width)
        return false;
    for (qsizetype at = 0; at < folded.size(); ++at) {
        if (!text.folds(at < entry.text.size() ? entry.text[at] : Blank, at))
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
    const SearchText searched(Windows1252::encode(text), Windows1252::caseFolding());
    const int first = start >= 0 && start < rows ? start + 1 : 0;
    for (const auto& [from, to] : {std::pair{first, rows}, std::pair{0, first}}) {
        for (int row = from; row < to; ++row) {
            if (beginsWith(row, searched))
                return row;
        }
    }
    return -1;
}
