// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtomicFileWriter.h"

#include "SystemFile.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

// The rename itself is kept in the folder's entries, which reach the disk on their own time:
// after a power cut the old file would come back. Best effort: the content is safe either way.
void syncFolderOf(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

std::filesystem::path filesystemPath(const QString& path)
{
    return QFileInfo(path).filesystemFilePath();
}

} // namespace

AtomicFileWriter::AtomicFileWriter(QString temporaryPath)
    : m_temporaryPath(std::move(temporaryPath))
{
}

std::optional<FileFailure> AtomicFileWriter::write(const QString& path, QByteArrayView bytes,
                                                   const QString& rightsOf) const
{
    std::error_code error;
    std::filesystem::remove(filesystemPath(m_temporaryPath), error);
    if (error)
        return FileFailure{FileFailure::Action::Delete, m_temporaryPath, error};

    std::optional<FileFailure> failure = replace(path, bytes, rightsOf);
    if (failure)
        std::filesystem::remove(filesystemPath(m_temporaryPath), error);
    return failure;
}

std::optional<FileFailure> AtomicFileWriter::replace(const QString& path, QByteArrayView bytes,
                                                     const QString& rightsOf) const
{
    using Action = FileFailure::Action;
    {
        // New only: whatever appeared there since the deletion is not written through.
        SystemFile temporary(m_temporaryPath, SystemFile::Mode::CreateNew,
                             SystemFile::Links::InUsersOwnFolderOnly);
        if (!temporary.isOpen())
            return FileFailure{Action::Create, m_temporaryPath, temporary.openError()};
        // Never a private list made readable to others for want of its rights.
        if (const std::error_code error = temporary.takeRightsOf(rightsOf))
            return FileFailure{Action::Create, m_temporaryPath, error};
        if (const std::error_code error = temporary.writeAt(0, bytes))
            return FileFailure{Action::Write, m_temporaryPath, error};
        // The rename that follows must not reach the disk before the content does.
        if (const std::error_code error = temporary.syncToDisk())
            return FileFailure{Action::Write, m_temporaryPath, error};
    }
    if (const std::error_code error = SystemFile::rename(m_temporaryPath, path))
        return FileFailure{Action::Rename, m_temporaryPath, error, path};
    syncFolderOf(path);
    return std::nullopt;
}
