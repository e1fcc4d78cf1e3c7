#include "UserFilesFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Written into the program folder by the install; a build or a copy has none.
constexpr auto InstalledMarker = "installed";

bool isInstalled(const QString& programFolder)
{
    return QFileInfo::exists(QDir(programFolder).filePath(QLatin1StringView(InstalledMarker)));
}

} // namespace

namespace UserFilesFolder {

QString forProgramFolder(const QString& programFolder)
{
    // The system's own check (access(2)): it knows read-only mounts, ACLs and capabilities. Root
    // may write an installed copy's folder too, but it is not the place for one user's files.
    if (!isInstalled(programFolder) && QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString ownFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // With no home folder at all there is nowhere better: the writes fail and say why.
    if (ownFolder.isEmpty())
        return programFolder;
    // A folder that cannot be made shows up the same way, named in the failure's message.
    QDir().mkpath(ownFolder);
    return ownFolder;
}

} // namespace UserFilesFolder
