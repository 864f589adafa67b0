// Finding the data folder, so the installed game runs from any directory.
#include "platform/data_folder.h"

#include <filesystem>
#include <system_error>

namespace kestrway {

namespace {

bool holdsGameData(const std::filesystem::path& folder) {
    std::error_code error;
    for (const char* part : {"gfx", "fonts", "map"}) {
        if (!std::filesystem::is_directory(folder / part, error)) return false;
    }
    return true;
}

}  // namespace

std::string findDataFolder(const std::string& workingDirectory, const std::string& executablePath) {
    if (holdsGameData(workingDirectory)) return "";
    if (executablePath.empty()) return "";
    const std::filesystem::path programFolder = std::filesystem::path(executablePath).parent_path();
    for (const std::filesystem::path& candidate :
         {programFolder, programFolder / ".." / "share" / "kestrway"}) {
        if (holdsGameData(candidate)) return candidate.lexically_normal().string();
    }
    return "";
}

std::string executablePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

}  // namespace kestrway
