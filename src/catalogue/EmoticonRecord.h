// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Categories.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// One catalogue entry as it lies on disk: 50 bytes, a 35-character name followed by a
// 15-character representation (the emoticon itself), each left-aligned and blank-padded.
struct EmoticonRecord {
    static constexpr int NameWidth = 35;
    static constexpr int RepresentationWidth = 15;
    static constexpr int Size = NameWidth + RepresentationWidth;

    QString nameField;           // always NameWidth characters
    QString representationField; // always RepresentationWidth characters

    // Takes exactly Size bytes.
    static EmoticonRecord fromBytes(QByteArrayView bytes);
    // Stores both texts into their fields: cut to the width or padded with blanks.
    static EmoticonRecord fromTexts(QStringView name, QStringView representation);
    QByteArray toBytes() const;

    friend bool operator==(const EmoticonRecord&, const EmoticonRecord&) = default;
};

// Category files end each text with this character; its upper-case form does not end one.
inline constexpr QChar Terminator = QChar(0x00E6);

// The text left-aligned in a field of the given width: cut when longer, blank-padded when
// shorter.
QString storeField(QStringView text, int width);

// Removes blanks (U+0020) at both ends and nothing else: tabs and other spaces stay.
QStringView trimBlanks(QStringView text);

// The text of a category-file field: the trimmed field up to its first terminator.
// A field without a terminator has no text.
std::optional<QString> categoryFieldText(QStringView field);

// A record's two texts as the program shows and copies them.
struct EmoticonTexts {
    QString name;
    QString representation;

    friend bool operator==(const EmoticonTexts&, const EmoticonTexts&) = default;
};

// Category files: each field's text up to its terminator, and no text ("") for a field
// without one, so that nothing is shown or copied that the file does not end properly.
// Own list: each field trimmed of blanks; a terminator there is an ordinary letter.
EmoticonTexts shownTexts(const EmoticonRecord& record, Category::Layout layout);
