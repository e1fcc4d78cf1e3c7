// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzFolder.h"

#include "FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString folderTemplate()
{
    const QFileInfo ramDisk(QStringLiteral("/dev/shm"));
    const QString parent =
        ramDisk.isDir() && ramDisk.isWritable() ? ramDisk.filePath() : QDir::tempPath();
    return parent + QStringLiteral("/quillane-fuzz-XXXXXX");
}

} // namespace

FuzzFolder::FuzzFolder()
    : m_folder(folderTemplate())
{
    require(m_folder.isValid(), "a scratch folder can be made");
}

void FuzzFolder::write(const QString& name, QByteArrayView bytes) const
{
    QFile file(filePath(name));
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes.data(), bytes.size()) == bytes.size(),
            "the scratch folder takes the input");
}

std::optional<QByteArray> FuzzFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
