// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SystemFile.h"

#include <QByteArray>
#include <QString>

// The main window's one channel to the data files. Every operation closes it first and
// opens its own file on it, so at most one data file is open at a time; a selection read
// leaves its file open until the next operation (or shut-down) closes it. Anything in a data
// file's place that is not a file (a folder, a named pipe) leaves the channel closed.
class FileChannel {
public:
    // Closing a channel that is not open does nothing.
    void close() { m_file.close(); }

    // For the category files, which the program never writes: a missing file is not
    // created and leaves the channel closed.
    bool openExisting(const QString& path);

    // For the files the program keeps (own list, settings): a missing file is created
    // empty. A link is followed only where the user alone could have made it.
    bool openOrCreate(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    qint64 length() const { return m_file.lengthAtOpening(); }

    // At most maxBytes from offset; fewer when the file ends sooner, none when it cannot be read.
    QByteArray readAt(qint64 offset, qint64 maxBytes);

private:
    SystemFile m_file;
};
