#pragma once

#include <QString>

// Where the files the program writes (the own list and the settings) are kept, decided once at
// start-up. Beside the program when it runs from a folder it may write, as a build or a folder
// copied whole does; in the user's own data folder when it cannot, and always for an installed
// copy, whoever runs it: the install leaves a file named "installed" in the program folder.
namespace UserFilesFolder {

QString forProgramFolder(const QString& programFolder);

} // namespace UserFilesFolder
