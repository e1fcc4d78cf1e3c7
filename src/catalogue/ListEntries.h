// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Categories.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <utility>

// The entries of a list filled from one data file, one per record in record order, kept as the
// one block of whole records the fill read: an entry is decoded only when it is asked for, and
// the search compares bytes. A hundred thousand entries cost their bytes and nothing more.
class ListEntries {
public:
    // How the names are listed: as the file's layout lists them (a category file's name cut at
    // its terminator and padded back with blanks to the field width, or the raw field when it
    // has no terminator; the own list's name field as stored), or without blanks at both ends.
    enum class Names { AsListed, Trimmed };

    ListEntries() = default;
    // records: whole records only, as CatalogueStore::readRecords gives them.
    ListEntries(QByteArray records, Category::Layout layout, Names names = Names::AsListed);

    int count() const;
    QString entry(int row) const;

    // The row of the first entry that begins with text, without regard to case (accented
    // letters included, but an accent is never dropped), looking after row start and wrapping
    // round to the top; -1 starts at the first entry. An entry's trailing blanks count, so a
    // name followed by blanks still matches. -1 when no entry begins with text, when there are
    // no entries, when text is empty, and when it holds a character the data files cannot.
    int firstBeginningWith(QStringView text, int start = -1) const;

    // Drops the entry at row, and the record behind it.
    void remove(int row);
    // The block of records, for reading the next fill into its memory.
    QByteArray takeRecords() && { return std::move(m_records); }

private:
    // An entry as bytes: text, then blanks up to width.
    struct Listed {
        QByteArrayView text;
        qsizetype width;
    };
    QByteArrayView nameField(int row) const;
    Listed listed(int row) const;
    class SearchText;
    bool beginsWith(int row, const SearchText& text) const;

    QByteArray m_records;
    Category::Layout m_layout = Category::Layout::OwnList;
    Names m_names = Names::AsListed;
};
