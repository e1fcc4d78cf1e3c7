// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The main window's one channel to the data files. Every operation closes it first and
// opens its own file on it, so at most one data file is open at a time; a selection read
// leaves its file open until the next operation (or shut-down) closes it.
class FileChannel {
public:
    // Closing a channel that is not open does nothing.
    void close();

    // For the category files, which the program never writes: a missing file is not
    // created and leaves the channel closed, as does anything in its place that is not a
    // file (a folder, a named pipe).
    bool openExisting(const QString& path);

    // For the files the program keeps (own list, settings): a missing file is created
    // empty; one that cannot be written is still opened for reading; anything in its place
    // that is not a file leaves the channel closed.
    bool openOrCreate(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    qint64 length() const { return m_file.size(); }

    // At most maxBytes from offset, in one read; fewer when the file ends sooner.
    QByteArray readAt(qint64 offset, qint64 maxBytes);

private:
    QFile m_file;
};
