// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cerrno>
#include <system_error>

// The system's reason for the call that just failed: read it at once, before another call can
// change it.
inline std::error_code lastSystemError()
{
    return {errno, std::generic_category()};
}

// The program's own reasons to refuse a user's file, beside the system's.
enum class UserFileRefusal {
    // A link in a folder that others may write: nobody can tell the user's own from one
    // planted there.
    PlantedLink = 1,
    // A file of another user's, or one with other names (hard links), in such a folder.
    NotTheUsersAlone,
    // A list with other names, which replacing it would leave holding the old list.
    OtherNames,
    // A record the file no longer holds (another program shortened it).
    RecordGone,
};
std::error_code make_error_code(UserFileRefusal refusal);
template <> struct std::is_error_code_enum<UserFileRefusal> : std::true_type {
};

// A file the program could not read, create, write, delete, rename or run, and why: what
// the user is told, in Portuguese, naming the file and the system's reason.
struct FileFailure {
    enum class Action { Read, Create, Write, Delete, Rename, Run };

    Action action;
    QString path;
    std::error_code error;
    QString newPath = {}; // where a rename was to take the file
    // Whether the file is as it was before the change that failed.
    bool leftAsItWas = true;

    QString message() const;
};
