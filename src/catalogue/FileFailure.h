// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <system_error>

// A data file the program could not read, create, write, delete or rename, and why: what
// the user is told, in Portuguese, naming the file and the system's reason.
struct FileFailure {
    enum class Action { Read, Create, Write, Delete, Rename };

    Action action;
    QString path;
    std::error_code error;
    QString newPath = {}; // where a rename was to take the file

    QString message() const;
};
