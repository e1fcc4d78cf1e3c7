// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnListFile.h"

#include "AtomicFileWriter.h"
#include "CatalogueStore.h"
#include "DataFileNames.h"
#include "RecordLayout.h"
#include "SystemFile.h"

#include <QFileInfo>
#include <filesystem>

using Action = FileFailure::Action;
using Mode = SystemFile::Mode;
using Links = SystemFile::Links;

namespace {

// A removal replaces the file and a clear deletes it, which the folder's rights alone would
// allow; a list made read-only stays as it is, as it does for an addition. A list with other
// names (hard links) would keep the old list under them: the list is never split in two.
std::optional<FileFailure> refusedToReplace(Action action, const QString& path)
{
    const QFileInfo file(path);
    if (file.exists() && !file.isWritable())
        return FileFailure{action, path, std::make_error_code(std::errc::permission_denied)};
    if (SystemFile::hasOtherNames(path))
        return FileFailure{action, path, make_error_code(UserFileRefusal::OtherNames)};
    return std::nullopt;
}

} // namespace

OwnListFile::OwnListFile(const CatalogueStore& store)
    : m_store(store)
{
}

std::optional<FileFailure> OwnListFile::append(const EmoticonRecord& record)
{
    const QString path = m_store.pathOf(DataFileNames::OwnList);
    SystemFile file(path, Mode::WriteCreating, Links::InUsersOwnFolderOnly);
    if (!file.isOpen())
        return FileFailure{Action::Write, path, file.openError()};

    const qint64 length = file.lengthAtOpening();
    const qint64 end = RecordLayout::ownListRecordOffset(RecordLayout::ownListRecordCount(length));
    std::error_code error = file.writeAt(end, record.toBytes());
    // On the disk before the user is told: a power cut must not take back a shown addition.
    if (!error)
        error = file.syncToDisk();
    if (error) {
        // Whatever part of the record reached the file goes again: the file stays as it was. A
        // disk that fails even that leaves it changed, and the failure says so.
        const bool cutBack = !file.resize(length);
        return FileFailure{
            .action = Action::Write, .path = path, .error = error, .leftAsItWas = cutBack};
    }
    return std::nullopt;
}

std::optional<FileFailure> OwnListFile::remove(qint64 index)
{
    const QString listPath = m_store.pathOf(DataFileNames::OwnList);
    const QString path = SystemFile::replacedPath(listPath);
    QByteArray records;
    if (const std::error_code error =
            SystemFile::readWhole(path, Links::InUsersOwnFolderOnly, records))
        return FileFailure{Action::Read, path, error};
    if (auto failure = refusedToReplace(Action::Write, path))
        return failure;

    const qint64 count = RecordLayout::ownListRecordCount(records.size());
    if (index < 0 || index >= count)
        return FileFailure{Action::Write, path, make_error_code(UserFileRefusal::RecordGone)};
    records.truncate(RecordLayout::ownListRecordOffset(count));
    records.remove(RecordLayout::ownListRecordOffset(index), EmoticonRecord::Size);
    // Beside the file a link leads to, so that the rename stays within one folder.
    const QString temporaryPath = path == listPath ? m_store.pathOf(DataFileNames::OwnListTemporary)
                                                   : path + QStringLiteral(".tmp");
    return AtomicFileWriter(temporaryPath).write(path, records);
}

std::optional<FileFailure> OwnListFile::clear()
{
    const QString path = SystemFile::replacedPath(m_store.pathOf(DataFileNames::OwnList));
    if (auto failure = refusedToReplace(Action::Delete, path))
        return failure;
    std::error_code error;
    std::filesystem::remove(QFileInfo(path).filesystemFilePath(), error);
    if (error)
        return FileFailure{Action::Delete, path, error};
    return std::nullopt;
}
