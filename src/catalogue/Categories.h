// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <algorithm>
#include <array>

// The entries of the category selector, in the order it lists them.
struct Category {
    enum class Layout { CategoryFile, OwnList };

    QStringView entryText; // what the selector shows
    QStringView fileName;  // the data file it reads
    Layout layout;
};

inline constexpr std::array<Category, 7> Categories = {{
    {u"COMIDAS", u"foods.bra", Category::Layout::CategoryFile},
    {u"ANIMAIS", u"animals.bra", Category::Layout::CategoryFile},
    {u"OBJETOS", u"objects.bra", Category::Layout::CategoryFile},
    {u"CELEBRIDADES", u"celebrit.bra", Category::Layout::CategoryFile},
    {u"PROFISSÃO", u"occupati.bra", Category::Layout::CategoryFile},
    {u"LISTA PRÓPRIA", u"custom.bra", Category::Layout::OwnList},
    {u"TODOS", u"all.bra", Category::Layout::CategoryFile},
}};

// The entry the window opens on: the whole catalogue.
inline constexpr QStringView WholeCatalogueEntry = u"TODOS";

// The category whose selector entry reads exactly entryText; none for any other text.
inline const Category* categoryWithEntry(QStringView entryText)
{
    const auto found = std::ranges::find(Categories, entryText, &Category::entryText);
    return found == Categories.end() ? nullptr : &*found;
}
