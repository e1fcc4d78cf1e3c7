// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the files the program writes (the own list and the settings) are kept, decided once at
// start-up. Beside the program when it runs from a folder of the user's alone that it may
// write, as a build or a folder copied whole does; otherwise, and always for an installed copy
// whoever runs it, in the user's own data folder. The install leaves a file named "installed"
// in the program folder.
namespace UserFilesFolder {

QString forProgramFolder(const QString& programFolder);

// An installed copy keeps nothing of its users in its program folder: the own list and the
// settings that an older version kept there move to userFilesFolder, once, where it holds none
// of its own. Only from a program folder of the user's alone (a per-user install, or a
// system-wide one run by root), only the user's own plain files, never over a file, and with a
// copy of each in one folder or the other at every moment. What cannot move is named on
// standard error, and stays.
void moveLeftBehind(const QString& programFolder, const QString& userFilesFolder);

} // namespace UserFilesFolder
