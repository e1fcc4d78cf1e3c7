// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Categories.h"

#include <QString>
#include <QStringView>
#include <optional>

// What a name or a representation may hold so that a data file of the given layout stores it
// exactly and the program reads it back unchanged.
class FieldRules {
public:
    enum class Field { Name, Representation };

    explicit FieldRules(Category::Layout layout);

    // The field's width, less the terminator that category files put after the text.
    int maxLength(Field field) const;

    // What is wrong with the text as that field, in Portuguese; nothing when it may be stored.
    std::optional<QString> problemWith(QStringView text, Field field) const;

    // "nome" or "representação", to start a message with.
    static QString label(Field field);

    // "U+00E9"
    static QString codePointName(char32_t codePoint);

private:
    Category::Layout m_layout;
};
