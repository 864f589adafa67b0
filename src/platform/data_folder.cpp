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

std::vector<std::string> dataFolderCandidates(const std::string& workingDirectory,
                                              const std::string& executablePath) {
    std::vector<std::string> candidates{workingDirectory};
    if (executablePath.empty()) return candidates;
    const std::filesystem::path programFolder = std::filesystem::path(executablePath).parent_path();
    for (const std::filesystem::path& candidate :
         {programFolder, programFolder / ".." / "share" / "kestrway",
          programFolder / ".." / "share" / "games" / "kestrway"}) {
        candidates.push_back(candidate.lexically_normal().string());
    }
    return candidates;
}

std::string findDataFolder(const std::string& workingDirectory, const std::string& executablePath) {
    const std::vector<std::string> candidates =
        dataFolderCandidates(workingDirectory, executablePath);
    if (holdsGameData(candidates[0])) return "";
    for (size_t i = 1; i < candidates.size(); ++i) {
        if (holdsGameData(candidates[i])) return candidates[i];
    }
    return "";
}

bool anyDataFolderFound(const std::string& workingDirectory, const std::string& executablePath) {
    for (const std::string& candidate : dataFolderCandidates(workingDirectory, executablePath)) {
        if (holdsGameData(candidate)) return true;
    }
    return false;
}

std::string executablePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

}  // namespace kestrway
