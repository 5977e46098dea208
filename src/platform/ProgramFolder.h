#pragma once

#include <QString>

#include <string>

// Where the program's own files are found. Each lies beside the executable in a
// build tree; an installed program finds it in its prefix, relative to the
// executable, so any prefix works.

// The folder of the bonus sound: beside the executable when it is there, otherwise
// the prefix's data folder.
std::string ProgramFolder();
QString ProgramFolderFor(const QString& executableFolder);

// A module of the program's (the sound module, the gamepad module): beside the
// executable when it is there, otherwise in the prefix's library folder.
QString SoundModulePath();
QString GamepadModulePath();
QString ModulePathFor(const QString& executableFolder, const QString& fileName);
