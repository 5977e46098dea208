#pragma once

#include <QString>

#include <string>

// The folder the program's own files (the bonus sound) are read from: beside the
// executable when they are there, as in a build tree; otherwise the data folder of
// the prefix the program is installed in, found relative to the executable, so any
// prefix works.
std::string ProgramFolder();

// The same for an executable in the given folder.
QString ProgramFolderFor(const QString& executableFolder);
