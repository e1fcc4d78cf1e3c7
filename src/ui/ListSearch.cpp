// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListSearch.h"

#include "EmoticonList.h"

namespace {

// The case-folded form of one character. The lists hold Windows-1252 text, mostly ASCII, so
// that comes first; the rest follows Unicode's folding, as a case-insensitive comparison does.
char16_t folded(char16_t unit)
{
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit;
    return char16_t(QChar::toCaseFolded(char32_t(unit)));
}

// Whether entry begins with the already folded text. The list is searched on every keystroke,
// so the comparison stops at the first character that differs.
bool beginsWith(QStringView entry, QStringView foldedText)
{
    if (entry.size() < foldedText.size())
        return false;
    for (qsizetype at = 0; at < foldedText.size(); ++at) {
        if (folded(entry[at].unicode()) != foldedText[at].unicode())
            return false;
    }
    return true;
}

} // namespace

namespace ListSearch {

int firstBeginningWith(const EmoticonList& list, QStringView text, int start)
{
    if (text.isEmpty())
        return -1;
    QString foldedText(text.size(), Qt::Uninitialized);
    for (qsizetype at = 0; at < text.size(); ++at)
        foldedText[at] = QChar(folded(text[at].unicode()));

    const QStringList entries = list.entries();
    const int count = int(entries.size());
    const int first = start >= 0 && start < count ? start + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int row = (first + step) % count;
        if (beginsWith(entries[row], foldedText))
            return row;
    }
    return -1;
}

} // namespace ListSearch
