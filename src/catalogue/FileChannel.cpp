// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileChannel.h"

#include <QFileInfo>

namespace {

// A folder, a named pipe or a device in a data file's place holds no records; opening a pipe
// would wait for a writer that never comes.
bool isOtherThanAFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

} // namespace

void FileChannel::close()
{
    m_file.close();
}

bool FileChannel::openExisting(const QString& path)
{
    close();
    if (isOtherThanAFile(path))
        return false;
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadOnly);
}

bool FileChannel::openOrCreate(const QString& path)
{
    close();
    if (isOtherThanAFile(path))
        return false;
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadWrite) || m_file.open(QIODevice::ReadOnly);
}

QByteArray FileChannel::readAt(qint64 offset, qint64 maxBytes)
{
    if (!m_file.isOpen() || !m_file.seek(offset))
        return {};
    return m_file.read(maxBytes);
}
