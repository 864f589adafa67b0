// UTF-8 strings to and from std::filesystem paths.
#include "platform/host_path.h"

namespace kestrway {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::FILE* openBinaryForReading(const std::string& utf8Path) {
#ifdef _WIN32
    // The narrow fopen reads names in the user's code page, not UTF-8.
    return _wfopen(pathFromUtf8(utf8Path).c_str(), L"rb");
#else
    return std::fopen(utf8Path.c_str(), "rb");
#endif
}

}  // namespace kestrway
