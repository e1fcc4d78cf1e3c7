// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <limits>
#include <system_error>

// A data file opened and used through the system's own calls, each failure named by the very
// call that failed: read later, errno may hold what another call (Qt's among them) left there.
// Only a plain file is opened; a folder, a named pipe or a device in its place is refused
// without waiting for a pipe's writer. The file closes when its SystemFile goes.
class SystemFile {
public:
    enum class Mode {
        Read,          // an existing file, for reading
        ReadCreating,  // for reading; a missing file is created empty
        WriteCreating, // for writing at any offset; a missing file is created empty
        CreateNew,     // a new file for writing: whatever is already there is not opened
    };

    // Whose links an opening follows.
    enum class Links {
        // The program's own files, and the files a person names to the catalogue tool.
        Follow,
        // The user's files: a link is followed only in a folder that is the user's alone (see
        // isUsersOwnFolder), where nobody else can have made it. Elsewhere a link is refused,
        // and so is a file that belongs to someone else or that has another name (a hard link
        // to one of the user's other files).
        InUsersOwnFolderOnly,
    };

    SystemFile() = default;
    SystemFile(const QString& path, Mode mode, Links links);
    ~SystemFile();
    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&& other) noexcept;
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;

    bool isOpen() const { return m_descriptor >= 0; }
    // Why the file could not be opened.
    std::error_code openError() const { return m_openError; }
    void close();

    // As measured when the file was opened.
    qint64 lengthAtOpening() const { return m_length; }

    // At most maxBytes from offset; fewer when the file ends sooner. They replace what bytes
    // held, in its memory when that is the right size.
    std::error_code readAt(qint64 offset, qint64 maxBytes, QByteArray& bytes) const;
    std::error_code writeAt(qint64 offset, QByteArrayView bytes);
    std::error_code resize(qint64 length);
    // Onto the disk itself, not only into the system's cache.
    std::error_code syncToDisk();
    // Gives the file the rights of the file at path, when there is one.
    std::error_code takeRightsOf(const QString& path);

    // At most maxBytes from offset of the file at path, as long as it was when opened (as a
    // Mode::Read opening with links opens it) for this one read and closed again.
    static std::error_code readPart(const QString& path, Links links, qint64 offset,
                                    qint64 maxBytes, QByteArray& bytes);
    static constexpr qint64 ToTheEnd = std::numeric_limits<qint64>::max();
    static std::error_code readWhole(const QString& path, Links links, QByteArray& bytes)
    {
        return readPart(path, links, 0, ToTheEnd, bytes);
    }

    static std::error_code rename(const QString& from, const QString& to);

    // A folder is the user's alone when it is a folder itself (not a link to one), owned by the
    // user running the program, and neither its group nor others may write in it. A POSIX ACL
    // that lets anyone else write shows as the group's write right, and so counts too.
    static bool isUsersOwnFolder(const QString& path);

    // The file that replacing or deleting the user's file at path acts on: where a link there
    // leads, so that the link stays one, when the user made it (it is in a folder that is the
    // user's alone); otherwise path itself.
    static QString replacedPath(const QString& path);

    // Whether the file at path has more than one name (hard links): replacing one name would
    // leave the others with the old content.
    static bool hasOtherNames(const QString& path);

    // The steps that a failing disk makes fail, as bits: a fault may stand at several at once.
    enum class Step {
        Write = 1,
        Flush = 2,
        Rename = 4,
        Measure = 8, // the length, as the file opens
        Read = 16,
        Rights = 32, // taking another file's rights
        Resize = 64,
    };

    // Stands in for a failing disk in the tests: while one lives, each of its steps fails with
    // its error, as the system would report it; a failing write stops halfway.
    class SimulatedFault {
    public:
        SimulatedFault(Step steps, std::errc error);
        ~SimulatedFault();
        SimulatedFault(const SimulatedFault&) = delete;
        SimulatedFault& operator=(const SimulatedFault&) = delete;
    };

private:
    int m_descriptor = -1;
    std::error_code m_openError;
    qint64 m_length = 0;
};
