// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonRecord.h"
#include "FileFailure.h"
#include "ListSource.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QString>
#include <future>
#include <optional>

// What one read of a data file found. A missing file is no failure: it reads as empty.
struct ReadResult {
    QByteArray bytes; // a list's fill: its whole records, as one block in record order
    std::optional<FileFailure> failure;
};

// The program's data files and the reading of them. Nothing is cached and nothing stays open:
// every read opens its file, measures it, reads it and closes it again, in one call. A missing
// file reads as empty, in silence (one the program keeps for the user, the own list or the
// settings, is then created empty); one that is there but cannot be read is a failure.
class CatalogueStore {
public:
    // programFolder is the folder that holds the program; the data files sit beside it.
    explicit CatalogueStore(const QString& programFolder);
    // As above, except that the files the program writes (the own list, its temporary copy and
    // the settings) live in userFilesFolder (see UserFilesFolder, which decides where).
    CatalogueStore(const QString& programFolder, const QString& userFilesFolder);

    // The program's folder, always ending in the path separator.
    const QString& programFolder() const { return m_programFolder; }
    // Where a data file lives: the program folder, or the user's files folder for the files the
    // program writes.
    QString pathOf(QAnyStringView fileName) const;

    // The file a category's list is read from.
    ListSource sourceOf(const Category& category) const;

    // Every whole record of the file a list is filled from (a trailing piece is none), read
    // into block's memory where it fits: a list's last block, which it has given up.
    ReadResult readRecords(const ListSource& source, QByteArray block = {}) const;
    // Starts reading a list's records on a thread of their own. The next readRecords takes them
    // if it asks for that list, and otherwise drops them and reads its own: the window reads
    // the list it opens on while it builds itself, and the file is still read once per fill.
    void readAhead(const ListSource& source);

    // The record behind the list entry at index, and its texts as the panels show them (see
    // shownTexts); none when the file does not reach that record or cannot be read.
    std::optional<EmoticonRecord> readRecord(const ListSource& source, qint64 index) const;
    std::optional<EmoticonTexts> readShownTexts(const ListSource& source, qint64 index) const;

    // At most maxBytes from the start of the data file fileName.
    ReadResult readStart(QAnyStringView fileName, qint64 maxBytes) const;

private:
    struct ReadAhead {
        QString path;
        std::future<ReadResult> records;
    };

    QString m_programFolder;
    QString m_userFilesFolder;
    mutable std::optional<ReadAhead> m_readAhead; // taken by the next readRecords
};
