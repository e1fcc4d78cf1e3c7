#include "FileChannel.h"

void FileChannel::close()
{
    m_file.close();
}

bool FileChannel::openExisting(const QString& path)
{
    close();
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadOnly);
}

bool FileChannel::openOrCreate(const QString& path)
{
    close();
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadWrite) || m_file.open(QIODevice::ReadOnly);
}

QByteArray FileChannel::readAt(qint64 offset, qint64 maxBytes)
{
    if (!m_file.isOpen() || !m_file.seek(offset))
        return {};
    return m_file.read(maxBytes);
}
