#pragma once

#include <QStringView>
#include <algorithm>
#include <array>

// The entries of the category selector, in the order it lists them.
struct Category {
    enum class Layout { CategoryFile, OwnList };

    QStringView entryText;  // what the selector shows
    QStringView loaderName; // the loader that fills the browse list for this entry
    QStringView fileName;   // the data file it reads
    Layout layout;
};

inline constexpr std::array<Category, 7> Categories = {{
    {u"COMIDAS", u"FOODS", u"foods.bra", Category::Layout::CategoryFile},
    {u"ANIMAIS", u"ANIMALS", u"animals.bra", Category::Layout::CategoryFile},
    {u"OBJETOS", u"OBJECTS", u"objects.bra", Category::Layout::CategoryFile},
    {u"CELEBRIDADES", u"CELEBRITY", u"celebrit.bra", Category::Layout::CategoryFile},
    {u"PROFISSÃO", u"OCCUPATION", u"occupati.bra", Category::Layout::CategoryFile},
    {u"LISTA PRÓPRIA", u"CUSTOM", u"custom.bra", Category::Layout::OwnList},
    {u"TODOS", u"All", u"all.bra", Category::Layout::CategoryFile},
}};

// The entry the window opens on: the whole catalogue.
inline constexpr QStringView WholeCatalogueEntry = u"TODOS";

// The category whose selector entry reads exactly entryText; none for any other text.
inline const Category* categoryWithEntry(QStringView entryText)
{
    const auto found = std::ranges::find(Categories, entryText, &Category::entryText);
    return found == Categories.end() ? nullptr : &*found;
}
