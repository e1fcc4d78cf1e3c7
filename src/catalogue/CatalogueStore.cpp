// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"

#include "DataFileNames.h"
#include "RecordLayout.h"
#include "SystemFile.h"

#include <QDir>
#include <utility>

namespace {

using Links = SystemFile::Links;

// The files the program writes; the category files are delivered with it and only read.
bool isWrittenByProgram(QStringView fileName)
{
    return fileName == DataFileNames::OwnList || fileName == DataFileNames::OwnListTemporary ||
           fileName == DataFileNames::Settings;
}

QString withTrailingSeparator(const QString& folder)
{
    const QChar separator = QDir::separator();
    return folder.endsWith(separator) ? folder : folder + separator;
}

// At most maxBytes from offset of the data file at path, into block's memory where that fits
// (see SystemFile::readAt). A user's file is read as the user's files are opened (see
// SystemFile::Links).
ReadResult readDataFile(const QString& path, bool usersFile, qint64 offset, qint64 maxBytes,
                        QByteArray block = {})
{
    const Links links = usersFile ? Links::InUsersOwnFolderOnly : Links::Follow;
    ReadResult read{std::move(block), std::nullopt};
    const std::error_code error = SystemFile::readPart(path, links, offset, maxBytes, read.bytes);
    if (error == std::errc::no_such_file_or_directory) {
        // Where it cannot be made (a folder without write rights), it stays missing and so reads
        // as empty; the next change to it names why.
        if (usersFile) {
            const SystemFile created(path, SystemFile::Mode::ReadCreating, links);
        }
        return {};
    }
    if (error)
        read.failure = FileFailure{FileFailure::Action::Read, path, error};
    return read;
}

bool isOwnList(const ListSource& source)
{
    return source.layout == Category::Layout::OwnList;
}

qint64 recordOffset(const ListSource& source, qint64 index)
{
    return isOwnList(source) ? RecordLayout::ownListRecordOffset(index)
                             : RecordLayout::categoryRecordOffset(index);
}

ReadResult readWholeRecords(const ListSource& source, QByteArray block)
{
    ReadResult read = readDataFile(source.path, isOwnList(source), recordOffset(source, 0),
                                   SystemFile::ToTheEnd, std::move(block));
    read.bytes.truncate(read.bytes.size() - read.bytes.size() % EmoticonRecord::Size);
    return read;
}

} // namespace

CatalogueStore::CatalogueStore(const QString& programFolder)
    : CatalogueStore(programFolder, programFolder)
{
}

CatalogueStore::CatalogueStore(const QString& programFolder, const QString& userFilesFolder)
    : m_programFolder(withTrailingSeparator(QDir::toNativeSeparators(programFolder)))
    , m_userFilesFolder(withTrailingSeparator(QDir::toNativeSeparators(userFilesFolder)))
{
}

QString CatalogueStore::pathOf(QAnyStringView fileName) const
{
    const QString name = fileName.toString();
    return (isWrittenByProgram(name) ? m_userFilesFolder : m_programFolder) + name;
}

ListSource CatalogueStore::sourceOf(const Category& category) const
{
    return {category.layout, pathOf(category.fileName)};
}

ReadResult CatalogueStore::readRecords(const ListSource& source, QByteArray block) const
{
    if (std::optional<ReadAhead> ahead = std::exchange(m_readAhead, std::nullopt);
        ahead && ahead->path == source.path)
        return ahead->records.get();
    return readWholeRecords(source, std::move(block));
}

void CatalogueStore::readAhead(const ListSource& source)
{
    // Where no thread can start, the next readRecords reads them itself.
    constexpr auto OwnThreadIfPossible = std::launch::async | std::launch::deferred;
    m_readAhead = ReadAhead{
        source.path, std::async(OwnThreadIfPossible, readWholeRecords, source, QByteArray())};
}

std::optional<EmoticonRecord> CatalogueStore::readRecord(const ListSource& source,
                                                         qint64 index) const
{
    const ReadResult read = readDataFile(source.path, isOwnList(source),
                                         recordOffset(source, index), EmoticonRecord::Size);
    if (read.bytes.size() < EmoticonRecord::Size)
        return std::nullopt;
    return EmoticonRecord::fromBytes(read.bytes);
}

std::optional<EmoticonTexts> CatalogueStore::readShownTexts(const ListSource& source,
                                                            qint64 index) const
{
    const std::optional<EmoticonRecord> record = readRecord(source, index);
    if (!record)
        return std::nullopt;
    return shownTexts(*record, source.layout);
}

ReadResult CatalogueStore::readStart(QAnyStringView fileName, qint64 maxBytes) const
{
    const QString name = fileName.toString();
    return readDataFile(pathOf(name), isWrittenByProgram(name), 0, maxBytes);
}
