// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemFile.h"

#include "FileFailure.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

using Step = SystemFile::Step;

struct Fault {
    Step steps;
    std::errc error;
};
std::optional<Fault> simulatedFault;

std::optional<std::error_code> simulatedAt(Step step)
{
    if (simulatedFault && (int(simulatedFault->steps) & int(step)) != 0)
        return std::make_error_code(simulatedFault->error);
    return std::nullopt;
}

// Maps the fresh pages of a large block before the read fills them: the kernel then maps them
// in one pass instead of stopping the copy at every page, and a catalogue of 50 MB is read about
// a quarter sooner. A kernel without it (before Linux 5.14) refuses, and the read maps them.
void mapPagesAhead(QByteArray& block)
{
    constexpr qsizetype WorthIt = 1 << 20;
    if (block.size() < WorthIt)
        return;
    const auto pageSize = qsizetype(sysconf(_SC_PAGESIZE));
    const qsizetype toFirstPage =
        (pageSize - qsizetype(quintptr(block.data()) % pageSize)) % pageSize;
    const qsizetype wholePages = (block.size() - toFirstPage) / pageSize * pageSize;
    ::madvise(block.data() + toFirstPage, size_t(wholePages), MADV_POPULATE_WRITE);
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

bool isUsersAlone(const struct stat& folder)
{
    return S_ISDIR(folder.st_mode) && folder.st_uid == ::geteuid() &&
           (folder.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// In the order of SystemFile::Mode.
constexpr int OpenFlags[] = {O_RDONLY, O_RDONLY | O_CREAT, O_WRONLY | O_CREAT,
                             O_WRONLY | O_CREAT | O_EXCL};

} // namespace

SystemFile::SystemFile(const QString& path, Mode mode, Links links)
{
    // Opening a named pipe does not wait for a writer; plain files ignore O_NONBLOCK.
    int flags = OpenFlags[int(mode)] | O_CLOEXEC | O_NONBLOCK;
    const QFileInfo file(path);
    int folder = AT_FDCWD;
    bool othersMayWriteFolder = false;
    if (links == Links::InUsersOwnFolderOnly) {
        // Judged as opened, the folder cannot be swapped for another between the two steps.
        folder = ::open(encoded(file.absolutePath()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0) {
            m_openError = lastSystemError();
            return;
        }
        struct stat status {};
        othersMayWriteFolder = ::fstat(folder, &status) != 0 || !isUsersAlone(status);
        if (othersMayWriteFolder)
            flags |= O_NOFOLLOW;
    }
    const QString name = folder == AT_FDCWD ? path : file.fileName();
    m_descriptor = ::openat(folder, encoded(name).constData(), flags, 0666);
    if (m_descriptor < 0) {
        m_openError = lastSystemError();
        // What O_NOFOLLOW refused, rather than a link that leads round in a circle.
        if (othersMayWriteFolder && m_openError == std::errc::too_many_symbolic_link_levels)
            m_openError = make_error_code(UserFileRefusal::PlantedLink);
    }
    if (folder != AT_FDCWD)
        ::close(folder);
    if (m_descriptor < 0)
        return;

    struct stat status {};
    std::error_code refusal;
    if (const auto fault = simulatedAt(Step::Measure))
        refusal = *fault;
    else if (::fstat(m_descriptor, &status) != 0)
        refusal = lastSystemError();
    else if (S_ISDIR(status.st_mode))
        refusal = std::make_error_code(std::errc::is_a_directory);
    else if (!S_ISREG(status.st_mode))
        refusal = std::make_error_code(std::errc::invalid_argument);
    else if (othersMayWriteFolder && (status.st_uid != ::geteuid() || status.st_nlink > 1))
        refusal = make_error_code(UserFileRefusal::NotTheUsersAlone);
    if (refusal) {
        close();
        m_openError = refusal;
    }
    m_length = status.st_size;
}

SystemFile::~SystemFile()
{
    close();
}

SystemFile::SystemFile(SystemFile&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
    , m_openError(other.m_openError)
    , m_length(other.m_length)
{
}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept
{
    if (this != &other) {
        close();
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_openError = other.m_openError;
        m_length = other.m_length;
    }
    return *this;
}

void SystemFile::close()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

std::error_code SystemFile::readAt(qint64 offset, qint64 maxBytes, QByteArray& bytes) const
{
    if (const auto fault = simulatedAt(Step::Read)) {
        bytes.clear();
        return *fault;
    }
    // Into the memory bytes already has, when it alone holds enough and not twice as much: a
    // list read again into its last block costs the system no fresh pages. Otherwise into a
    // block of exactly the size: resize() would round it up to a power of two.
    const qsizetype size = qMax<qint64>(maxBytes, 0);
    if (bytes.isDetached() && bytes.capacity() >= size && bytes.capacity() < 2 * size) {
        bytes.resize(size);
    } else {
        bytes = QByteArray(size, Qt::Uninitialized);
        mapPagesAhead(bytes);
    }
    qint64 read = 0;
    while (read < bytes.size()) {
        const ssize_t count =
            ::pread(m_descriptor, bytes.data() + read, size_t(bytes.size() - read), offset + read);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const std::error_code error = lastSystemError();
            bytes.clear();
            return error;
        }
        if (count == 0)
            break;
        read += count;
    }
    bytes.truncate(read);
    return {};
}

std::error_code SystemFile::writeAt(qint64 offset, QByteArrayView bytes)
{
    const std::optional<std::error_code> fault = simulatedAt(Step::Write);
    const qsizetype size = fault ? bytes.size() / 2 : bytes.size();
    for (qsizetype written = 0; written < size;) {
        const ssize_t count = ::pwrite(m_descriptor, bytes.data() + written, size_t(size - written),
                                       offset + written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? lastSystemError() : std::make_error_code(std::errc::io_error);
        written += count;
    }
    return fault.value_or(std::error_code());
}

std::error_code SystemFile::resize(qint64 length)
{
    if (const auto fault = simulatedAt(Step::Resize))
        return *fault;
    return ::ftruncate(m_descriptor, length) == 0 ? std::error_code() : lastSystemError();
}

std::error_code SystemFile::syncToDisk()
{
    if (const auto fault = simulatedAt(Step::Flush))
        return *fault;
    return ::fsync(m_descriptor) == 0 ? std::error_code() : lastSystemError();
}

std::error_code SystemFile::takeRightsOf(const QString& path)
{
    if (const auto fault = simulatedAt(Step::Rights))
        return *fault;
    struct stat status {};
    if (::stat(encoded(path).constData(), &status) != 0)
        return errno == ENOENT ? std::error_code() : lastSystemError();
    return ::fchmod(m_descriptor, status.st_mode & 07777) == 0 ? std::error_code()
                                                               : lastSystemError();
}

std::error_code SystemFile::readPart(const QString& path, Links links, qint64 offset,
                                     qint64 maxBytes, QByteArray& bytes)
{
    const SystemFile file(path, Mode::Read, links);
    if (!file.isOpen()) {
        bytes.clear();
        return file.openError();
    }
    return file.readAt(offset, qMin(maxBytes, file.lengthAtOpening() - offset), bytes);
}

std::error_code SystemFile::rename(const QString& from, const QString& to)
{
    if (const auto fault = simulatedAt(Step::Rename))
        return *fault;
    return ::rename(encoded(from).constData(), encoded(to).constData()) == 0 ? std::error_code()
                                                                             : lastSystemError();
}

bool SystemFile::isUsersOwnFolder(const QString& path)
{
    struct stat status {};
    return ::lstat(encoded(path).constData(), &status) == 0 && isUsersAlone(status);
}

QString SystemFile::replacedPath(const QString& path)
{
    const QFileInfo file(path);
    // The folder as an opening reaches it, so that both judge it alike.
    struct stat folder {};
    if (!file.isSymLink() || ::stat(encoded(file.absolutePath()).constData(), &folder) != 0 ||
        !isUsersAlone(folder))
        return path;
    const QString target = file.canonicalFilePath();
    // A link to a file not made yet stays too: the file is made where it leads.
    return target.isEmpty() ? file.symLinkTarget() : target;
}

bool SystemFile::hasOtherNames(const QString& path)
{
    struct stat status {};
    return ::stat(encoded(path).constData(), &status) == 0 && status.st_nlink > 1;
}

SystemFile::SimulatedFault::SimulatedFault(Step steps, std::errc error)
{
    simulatedFault = Fault{steps, error};
}

SystemFile::SimulatedFault::~SimulatedFault()
{
    simulatedFault.reset();
}
