// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonRecord.h"
#include "FileChannel.h"
#include "ListSource.h"

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <optional>

// The program's data files and the reading of them. Nothing is cached: every call measures and
// reads its file again, in one read, through the shared file channel.
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

    FileChannel& channel() { return m_channel; }

    // The file a category's list is read from.
    ListSource sourceOf(const Category& category) const;

    // One 35-character entry per record of a category file, in record order (see
    // categoryListEntry). A missing or short file has none.
    QStringList readCategoryEntries(const QString& path);

    // The name fields of the own list, exactly as stored. A missing own list is created.
    QStringList readOwnListNames();

    // The record behind a list entry; none when the file does not reach that far. These
    // reads leave the channel open.
    std::optional<EmoticonRecord> readCategoryRecord(const QString& path, qint64 index);
    std::optional<EmoticonRecord> readOwnListRecord(qint64 index);

    // The texts of the record behind the entry at index of a list filled from source, as the
    // panels show them (see shownTexts); none when the file no longer reaches that record.
    // Leaves the channel open, as the record reads do.
    std::optional<EmoticonTexts> readShownTexts(const ListSource& source, qint64 index);

private:
    std::optional<EmoticonRecord> readRecordAt(qint64 offset);

    QString m_programFolder;
    QString m_userFilesFolder;
    FileChannel m_channel;
};
