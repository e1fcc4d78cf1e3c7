// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UserFilesFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace UserFilesFolder {

QString forProgramFolder(const QString& programFolder)
{
    // The system's own check (access(2)): it knows read-only mounts, ACLs and capabilities.
    if (QFileInfo(programFolder).isWritable())
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
