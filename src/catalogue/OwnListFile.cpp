// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnListFile.h"

#include "AtomicFileWriter.h"
#include "CatalogueStore.h"
#include "DataFileNames.h"
#include "RecordLayout.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <filesystem>

using Action = FileFailure::Action;

namespace {

// A removal replaces the file and a clear deletes it, which the folder's rights alone would
// allow; a list made read-only stays as it is, as it does for an addition.
std::optional<FileFailure> refusedWhenReadOnly(Action action, const QString& path)
{
    const QFileInfo file(path);
    if (file.exists() && !file.isWritable())
        return FileFailure{action, path, std::make_error_code(std::errc::permission_denied)};
    return std::nullopt;
}

} // namespace

OwnListFile::OwnListFile(CatalogueStore& store)
    : m_store(store)
{
}

std::optional<FileFailure> OwnListFile::append(const EmoticonRecord& record)
{
    m_store.channel().close();
    const QString path = m_store.pathOf(DataFileNames::OwnList);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return FileFailure{Action::Write, path, openFailure(path)};

    const qint64 length = file.size();
    const QByteArray bytes = record.toBytes();
    errno = 0;
    if (!file.seek(RecordLayout::ownListRecordOffset(RecordLayout::ownListRecordCount(length))) ||
        file.write(bytes) != bytes.size()) {
        const std::error_code error = lastSystemError();
        // Whatever part of the record reached the file goes again: the file stays as it was.
        file.resize(length);
        return FileFailure{Action::Write, path, error};
    }
    return std::nullopt;
}

std::optional<FileFailure> OwnListFile::remove(qint64 index)
{
    m_store.channel().close();
    const QString path = m_store.pathOf(DataFileNames::OwnList);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return FileFailure{Action::Read, path, openFailure(path)};
    QByteArray records = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileFailure{Action::Read, path, lastSystemError()};
    file.close();
    if (const auto failure = refusedWhenReadOnly(Action::Write, path))
        return failure;

    const qint64 count = RecordLayout::ownListRecordCount(records.size());
    if (index < 0 || index >= count)
        return FileFailure{Action::Write, path,
                           std::make_error_code(std::errc::result_out_of_range)};
    records.truncate(RecordLayout::ownListRecordOffset(count));
    records.remove(RecordLayout::ownListRecordOffset(index), EmoticonRecord::Size);
    return AtomicFileWriter(m_store.pathOf(DataFileNames::OwnListTemporary)).write(path, records);
}

std::optional<FileFailure> OwnListFile::clear()
{
    m_store.channel().close();
    const QString path = m_store.pathOf(DataFileNames::OwnList);
    if (const auto failure = refusedWhenReadOnly(Action::Delete, path))
        return failure;
    std::error_code error;
    std::filesystem::remove(QFileInfo(path).filesystemFilePath(), error);
    if (error)
        return FileFailure{Action::Delete, path, error};
    return std::nullopt;
}
