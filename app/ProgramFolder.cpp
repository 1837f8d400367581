// The program folder: where the running executable, GAMES.DAT, TAR.RGF and the help file lie.
#include "app/ProgramFolder.h"

#include <filesystem>

namespace tarvelle {

std::string programFolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = fs::absolute(argv0 ? argv0 : ".", ec);
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace tarvelle
