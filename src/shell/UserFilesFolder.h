#pragma once

#include <QString>

// Where the files the program writes (the own list and the settings) are kept, decided once at
// start-up. Beside the program when it runs from a folder of the user's alone that it may
// write, as a build or a folder copied whole does; otherwise, and always for an installed copy
// whoever runs it, in the user's own data folder. The install leaves a file named "installed"
// in the program folder.
namespace UserFilesFolder {

QString forProgramFolder(const QString& programFolder);

} // namespace UserFilesFolder
