// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the files the program writes (the own list and the settings) are kept. Beside the
// program while its folder can be written, as with a copy in the user's own folders; otherwise,
// as with a system-wide install, in the user's own data folder. Decided once, at start-up.
namespace UserFilesFolder {

QString forProgramFolder(const QString& programFolder);

} // namespace UserFilesFolder
