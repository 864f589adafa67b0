// Finding the data folder, so the installed game runs from any directory.
#include "platform/data_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/host_path.h"

#ifdef _WIN32
#include <windows.h>

#include <array>
#endif

namespace kestrway {

namespace {

bool holdsGameData(const std::string& folderName) {
    const std::filesystem::path folder = pathFromUtf8(folderName);
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
    const std::filesystem::path programFolder = pathFromUtf8(executablePath).parent_path();
    for (const std::filesystem::path& candidate :
         {programFolder, programFolder / ".." / "share" / "kestrway",
          programFolder / ".." / "share" / "games" / "kestrway"}) {
        candidates.push_back(utf8FromPath(candidate.lexically_normal()));
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

#ifdef _WIN32
std::string executablePath() {
    // MAX_PATH is no limit on Windows 10; a longer name is cut short, and
    // that is detected as a full buffer.
    std::array<wchar_t, 32768> name{};
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size()) return "";
    return utf8FromPath(std::filesystem::path(std::wstring(name.data(), length)));
}
#else
std::string executablePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : utf8FromPath(self);
}
#endif

}  // namespace kestrway
