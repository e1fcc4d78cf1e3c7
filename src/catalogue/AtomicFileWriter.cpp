// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AtomicFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

using Step = AtomicFileWriter::Step;

struct Fault {
    Step step;
    std::errc error;
};
std::optional<Fault> simulatedFault;

std::optional<std::error_code> simulatedAt(Step step)
{
    if (simulatedFault && simulatedFault->step == step)
        return std::make_error_code(simulatedFault->error);
    return std::nullopt;
}

std::optional<std::error_code> writeAll(QFile& file, QByteArrayView bytes)
{
    if (const auto fault = simulatedAt(Step::Write)) {
        file.write(bytes.data(), bytes.size() / 2);
        return fault;
    }
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size())
        return lastSystemError();
    return std::nullopt;
}

// Onto the disk itself, not only into the system's cache: the rename that follows must not
// reach the disk before the content does.
std::optional<std::error_code> syncToDisk(QFile& file)
{
    if (const auto fault = simulatedAt(Step::Flush))
        return fault;
    if (::fsync(file.handle()) != 0)
        return lastSystemError();
    return std::nullopt;
}

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

std::optional<FileFailure> AtomicFileWriter::write(const QString& path, QByteArrayView bytes) const
{
    std::error_code error;
    std::filesystem::remove(filesystemPath(m_temporaryPath), error);
    if (error)
        return FileFailure{FileFailure::Action::Delete, m_temporaryPath, error};

    const std::optional<FileFailure> failure = replace(path, bytes);
    if (failure)
        std::filesystem::remove(filesystemPath(m_temporaryPath), error);
    return failure;
}

std::optional<FileFailure> AtomicFileWriter::replace(const QString& path,
                                                     QByteArrayView bytes) const
{
    QFile temporary(m_temporaryPath);
    errno = 0;
    // NewOnly: whatever appeared there since the deletion is not written through.
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return FileFailure{FileFailure::Action::Create, m_temporaryPath, lastSystemError()};
    // The new file keeps the rights the user gave the old one (a private list stays private).
    if (const QFileInfo replaced(path); replaced.exists())
        temporary.setPermissions(replaced.permissions());
    if (auto error = writeAll(temporary, bytes))
        return FileFailure{FileFailure::Action::Write, m_temporaryPath, *error};
    if (auto error = syncToDisk(temporary))
        return FileFailure{FileFailure::Action::Write, m_temporaryPath, *error};
    temporary.close();

    std::error_code error = simulatedAt(Step::Rename).value_or(std::error_code());
    if (!error)
        std::filesystem::rename(filesystemPath(m_temporaryPath), filesystemPath(path), error);
    if (error)
        return FileFailure{FileFailure::Action::Rename, m_temporaryPath, error, path};
    syncFolderOf(path);
    return std::nullopt;
}

AtomicFileWriter::SimulatedFault::SimulatedFault(Step step, std::errc error)
{
    simulatedFault = Fault{step, error};
}

AtomicFileWriter::SimulatedFault::~SimulatedFault()
{
    simulatedFault.reset();
}
