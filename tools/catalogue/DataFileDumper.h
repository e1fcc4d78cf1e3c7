// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Diagnostic.h"
#include "FieldRules.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// Turns a data file back into catalogue source text, each record as the program reads it:
// category fields trimmed and cut at their first "æ", own-list fields trimmed.
//
// A record whose text form would not compile back to the same 50 bytes is reported with its
// number (1-based) and byte offset. What is written for it:
//  - when its texts still make a valid line (blanks before a category text, characters after
//    the terminator, blanks before an own-list text), a comment naming the loss, then the
//    line as the program shows it;
//  - otherwise (a field without terminator, an empty text, blanks before the terminator, a
//    tab or control character, a name starting with '#', a name already used in the file),
//    only a comment with the reason and both texts, so the user can mend it by hand.
// A leading block other than the tool's own, a file too short to hold one, and a trailing
// piece shorter than a record are reported and noted in comments the same way. So the text
// always compiles, and for a file the tool wrote it compiles to the identical bytes.
//
// The first MaxListedProblems problems are listed, then only counted: a file that is no
// catalogue at all would otherwise give a report line per 50 bytes. A file in which most
// records (and more than that many) have no text the program could show is taken for
// something else and gives no text at all.
class DataFileDumper {
public:
    static constexpr qsizetype MaxListedProblems = 20;

    struct Result {
        std::optional<QByteArray> text; // UTF-8, LF line ends; none for a file that is no catalogue
        QList<Diagnostic> problems;
    };

    explicit DataFileDumper(Category::Layout layout);

    Result dump(const QString& fileName, QByteArrayView bytes) const;

private:
    struct FieldReading;
    struct Output;

    FieldReading readField(QStringView field, FieldRules::Field which) const;
    void checkLeadingBlock(QByteArrayView bytes, Output& out) const;
    // False when the record has no line of its own in the text, only a comment.
    bool dumpRecord(QByteArrayView bytes, qsizetype number, qsizetype offset,
                    QHash<QString, qsizetype>& numberByName, Output& out) const;

    Category::Layout m_layout;
    FieldRules m_rules;
};
