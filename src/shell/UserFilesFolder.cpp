#include "UserFilesFolder.h"

#include "SystemFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

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
    const QString ownFolder = dataFolder();
    // Private from the start. A folder that cannot be made shows up the same way, named in the
    // failure's message.
    QDir().mkpath(QFileInfo(ownFolder).path());
    ::mkdir(QFile::encodeName(ownFolder).constData(), S_IRWXU);
    return ownFolder;
}

} // namespace UserFilesFolder
