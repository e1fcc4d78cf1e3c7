// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileChannel.h"

using Mode = SystemFile::Mode;
using Links = SystemFile::Links;

bool FileChannel::openExisting(const QString& path)
{
    m_file = SystemFile(path, Mode::Read, Links::Follow);
    return m_file.isOpen();
}

bool FileChannel::openOrCreate(const QString& path)
{
    m_file = SystemFile(path, Mode::ReadCreating, Links::InUsersOwnFolderOnly);
    return m_file.isOpen();
}

QByteArray FileChannel::readAt(qint64 offset, qint64 maxBytes)
{
    QByteArray bytes;
    if (m_file.isOpen())
        m_file.readAt(offset, maxBytes, bytes);
    return bytes;
}
