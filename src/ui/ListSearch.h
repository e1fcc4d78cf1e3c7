// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

class EmoticonList;

namespace ListSearch {

// The row of the first entry that begins with text, without regard to case (accented letters
// included), looking after row start and wrapping round to the top; -1 from the first entry.
// An entry's trailing blanks count, so a name followed by blanks still matches. -1 when no
// entry begins with text, when the list is empty, and when text is.
int firstBeginningWith(const EmoticonList& list, QStringView text, int start = -1);

} // namespace ListSearch
