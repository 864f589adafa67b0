// Standard output for a window program started from a console.
#include "platform/win32/console_output.h"

#include <windows.h>

#include <iostream>

namespace kestrway {
namespace {

// Redirected to a file or a pipe, or a console handed over by the parent.
bool standardOutputUsable() {
    const HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
    const DWORD type = GetFileType(handle);
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE || type == FILE_TYPE_CHAR;
}

}  // namespace

void printToConsole(std::string_view text) {
    if (standardOutputUsable()) {
        std::cout << text << std::flush;
        return;
    }
    // Fails when there is no parent console, and also when the process
    // already has one (Wine hands a window program its parent's console):
    // either way, CONOUT$ below is the console if there is one.
    AttachConsole(ATTACH_PARENT_PROCESS);
    // The C runtime's stdout was never opened, and reopening it fails, so
    // the text goes to the console's own handle. A console turns "\n" into
    // a new line by itself.
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(console);
}

}  // namespace kestrway
