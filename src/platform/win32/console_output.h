// Lets a window program print to the console it was started from: a
// program built for the window subsystem gets no standard handles from a
// console, so --help and --version would otherwise print nowhere.
#pragma once

#include <string_view>

namespace kestrway {

// Main thread. Writes text to standard output when that is a file, a pipe
// or a console (so `kestrway.exe --version > v.txt` still writes the file);
// otherwise to the console of the program that started this one, when there
// is one; otherwise nowhere.
void printToConsole(std::string_view text);

}  // namespace kestrway
