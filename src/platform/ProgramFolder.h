#pragma once

#include <string>

// The folder the program's own files are read from.
std::string ProgramFolder();
