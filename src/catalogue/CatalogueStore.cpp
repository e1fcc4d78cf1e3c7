// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"

#include "DataFileNames.h"
#include "RecordLayout.h"
#include "Windows1252.h"

#include <QDir>

namespace {

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

// The name fields of the records in a block of whole records.
QStringList nameFieldsOf(const QByteArray& records)
{
    QStringList names;
    names.reserve(records.size() / EmoticonRecord::Size);
    for (qsizetype at = 0; at + EmoticonRecord::Size <= records.size(); at += EmoticonRecord::Size)
        names.append(
            Windows1252::decode(QByteArrayView(records).sliced(at, EmoticonRecord::NameWidth)));
    return names;
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

QStringList CatalogueStore::readCategoryEntries(const QString& path)
{
    QStringList entries;
    if (m_channel.openExisting(path)) {
        const qint64 count = RecordLayout::categoryRecordCount(m_channel.length());
        entries = nameFieldsOf(
            m_channel.readAt(RecordLayout::LeadingBlockSize, count * EmoticonRecord::Size));
        for (QString& entry : entries)
            entry = categoryListEntry(entry);
    }
    m_channel.close();
    return entries;
}

QStringList CatalogueStore::readOwnListNames()
{
    QStringList entries;
    if (m_channel.openOrCreate(pathOf(DataFileNames::OwnList))) {
        const qint64 count = RecordLayout::ownListRecordCount(m_channel.length());
        entries = nameFieldsOf(m_channel.readAt(0, count * EmoticonRecord::Size));
    }
    m_channel.close();
    return entries;
}

std::optional<EmoticonRecord> CatalogueStore::readCategoryRecord(const QString& path, qint64 index)
{
    if (!m_channel.openExisting(path))
        return std::nullopt;
    return readRecordAt(RecordLayout::categoryRecordOffset(index));
}

std::optional<EmoticonRecord> CatalogueStore::readOwnListRecord(qint64 index)
{
    if (!m_channel.openOrCreate(pathOf(DataFileNames::OwnList)))
        return std::nullopt;
    return readRecordAt(RecordLayout::ownListRecordOffset(index));
}

std::optional<EmoticonTexts> CatalogueStore::readShownTexts(const ListSource& source, qint64 index)
{
    const std::optional<EmoticonRecord> record = source.layout == Category::Layout::OwnList
                                                     ? readOwnListRecord(index)
                                                     : readCategoryRecord(source.path, index);
    if (!record)
        return std::nullopt;
    return shownTexts(*record, source.layout);
}

std::optional<EmoticonRecord> CatalogueStore::readRecordAt(qint64 offset)
{
    const QByteArray bytes = m_channel.readAt(offset, EmoticonRecord::Size);
    if (bytes.size() < EmoticonRecord::Size)
        return std::nullopt;
    return EmoticonRecord::fromBytes(bytes);
}
