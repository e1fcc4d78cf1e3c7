// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Unwritable files and folders for the tests. Root ignores file modes, and tests often run
// as root; so the test process first gives up the capabilities that let it.
namespace FileModes {

// After this, the process's own file modes bind it; false when it cannot give them up.
bool obeyFileModes();

// Takes write permission from a file or folder, or gives it back.
bool setWritable(const QString& path, bool writable);

} // namespace FileModes
