// The program's icon as a Windows icon file (.ico), which the Windows
// version's resources carry for Explorer, shortcuts and the taskbar.
#pragma once

#include <string>

#include "pixmap.h"

namespace kestrway {

// One 32-bit image with its alpha channel and an all-clear mask; the bytes
// of the whole file.
std::string formatWindowsIcon(const Pixmap& icon);

}  // namespace kestrway
