// The program folder: where the running executable, GAMES.DAT, TAR.RGF and the help file lie.
#pragma once

#include <string>

namespace tarvelle {

// The folder of the running program, with its trailing separator.
std::string programFolder(const char* argv0);

}  // namespace tarvelle
