// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UserFilesFolder.h"

#include "AtomicFileWriter.h"
#include "DataFileNames.h"
#include "SystemFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Written into the program folder by the install; a build or a copy has none.
constexpr auto InstalledMarker = "installed";

bool isInstalled(const QString& programFolder)
{
    return QFileInfo::exists(QDir(programFolder).filePath(QLatin1StringView(InstalledMarker)));
}

// The user's data folder for the program. The XDG base-directory rules ignore a relative
// XDG_DATA_HOME, which would name another folder for each folder the program starts from.
QString dataFolder()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + u'/' + QCoreApplication::applicationName();
}

bool isUsersOwnPlainFile(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_uid == ::geteuid() && status.st_nlink == 1;
}

// One rename where both folders are on one disk. Across disks, a copy replaces the target whole
// (see AtomicFileWriter) and the original is deleted only once the copy is on the disk.
std::optional<FileFailure> move(const QString& from, const QString& to)
{
    using Action = FileFailure::Action;
    std::error_code error = SystemFile::rename(from, to);
    if (error != std::errc::cross_device_link)
        return error ? std::optional(FileFailure{Action::Rename, from, error, to}) : std::nullopt;
    QByteArray bytes;
    error = SystemFile::readWhole(from, SystemFile::Links::InUsersOwnFolderOnly, bytes);
    if (error)
        return FileFailure{Action::Read, from, error};
    if (auto failure = AtomicFileWriter(to + QStringLiteral(".tmp")).write(to, bytes, from))
        return failure;
    std::filesystem::remove(QFileInfo(from).filesystemFilePath(), error);
    if (error)
        return FileFailure{Action::Delete, from, error};
    return std::nullopt;
}

} // namespace

namespace UserFilesFolder {

QString forProgramFolder(const QString& programFolder)
{
    // Only in a folder of the user's alone: whoever else may write there could plant links to
    // the user's other files under the names of these. The system's own check (access(2))
    // knows read-only mounts, ACLs and capabilities. Root may write an installed copy's folder
    // too, but it is not the place for one user's files.
    if (!isInstalled(programFolder) && SystemFile::isUsersOwnFolder(programFolder) &&
        QFileInfo(programFolder).isWritable())
        return programFolder;
    QString ownFolder = dataFolder();
    // Private from the start. A folder that cannot be made shows up the same way, named in the
    // failure's message.
    QDir().mkpath(QFileInfo(ownFolder).path());
    ::mkdir(QFile::encodeName(ownFolder).constData(), S_IRWXU);
    return ownFolder;
}

void moveLeftBehind(const QString& programFolder, const QString& userFilesFolder)
{
    // Only from a folder nobody else may write in: elsewhere, a file checked here could be
    // swapped for a link to another of the user's files before it moves.
    if (!isInstalled(programFolder) || !SystemFile::isUsersOwnFolder(programFolder))
        return;
    for (const QLatin1StringView name : {DataFileNames::OwnList, DataFileNames::Settings}) {
        const QString from = QDir(programFolder).filePath(name);
        const QString to = QDir(userFilesFolder).filePath(name);
        if (!isUsersOwnPlainFile(from) || QFileInfo(to).exists() || QFileInfo(to).isSymLink())
            continue;
        if (const auto failure = move(from, to))
            qWarning("%s", qUtf8Printable(failure->message()));
    }
}

} // namespace UserFilesFolder
