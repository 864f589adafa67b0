// A console program that starts a window program the way a console's shell
// does on Windows, handing it no standard handles, or a file as its
// standard output; then prints what the child left in the console to its
// own standard error, where the test reads it.
//   console_parent.exe console PROGRAM ARGUMENT
//   console_parent.exe file OUTPUT-FILE PROGRAM ARGUMENT
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string consoleText(HANDLE console) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(console, &info)) return {};
    std::string text;
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        std::string line(static_cast<size_t>(info.dwSize.X), ' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterA(console, line.data(), static_cast<DWORD>(line.size()),
                                    COORD{0, y}, &read);
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty()) text += line + "\n";
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const bool toFile = argc == 5 && std::strcmp(argv[1], "file") == 0;
    if (!toFile && !(argc == 4 && std::strcmp(argv[1], "console") == 0)) return 2;
    // A console of our own, whatever started us.
    FreeConsole();
    if (!AllocConsole()) return 3;
    const HANDLE console =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE file = nullptr;
    if (toFile) {
        file = CreateFileA(argv[2], GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 3;
    }
    std::string command = std::string("\"") + argv[toFile ? 3 : 2] + "\" " + argv[toFile ? 4 : 3];
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // A window program started from a console gets no standard handles
    // unless they are redirected.
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = file;
    startup.hStdError = nullptr;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 3;
    }
    WaitForSingleObject(process.hProcess, 60000);
    if (file != nullptr) CloseHandle(file);
    std::fprintf(stderr, "%s", consoleText(console).c_str());
    return 0;
}
