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
        return FileFailure{Action::Write, path, lastSystemError()};

    const qint64 length = file.size();
    const QByteArray bytes = record.toBytes();
    errno = 0;
    if (!file.seek(RecordLayout::OwnListRecordOffset(RecordLayout::OwnListRecordCount(length))) ||
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
        return FileFailure{Action::Read, path, lastSystemError()};
    QByteArray records = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileFailure{Action::Read, path, lastSystemError()};
    file.close();

    const qint64 count = RecordLayout::OwnListRecordCount(records.size());
    records.truncate(RecordLayout::OwnListRecordOffset(count));
    if (index >= 0 && index < count)
        records.remove(RecordLayout::OwnListRecordOffset(index), EmoticonRecord::Size);
    return AtomicFileWriter(m_store.pathOf(DataFileNames::OwnListTemporary)).write(path, records);
}

std::optional<FileFailure> OwnListFile::clear()
{
    m_store.channel().close();
    const QString path = m_store.pathOf(DataFileNames::OwnList);
    std::error_code error;
    std::filesystem::remove(QFileInfo(path).filesystemFilePath(), error);
    if (error)
        return FileFailure{Action::Delete, path, error};
    return std::nullopt;
}
