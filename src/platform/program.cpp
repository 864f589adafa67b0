// Program start (the command line is kept, never read) and end.
#include "platform/program.h"

#include "platform/backend.h"
#include "platform/windowless.h"

namespace kestrway {

namespace {

// Never destroyed: the game thread may read it while the process ends.
std::vector<std::string>& gArguments = *new std::vector<std::string>;
ProgramEndHook gEndHook = nullptr;

}  // namespace

void startProgram(int argc, char** argv) {
    gArguments.clear();
    for (int i = 0; i < argc; ++i) gArguments.emplace_back(argv[i] != nullptr ? argv[i] : "");
}

ProgramEndHook setProgramEndHook(ProgramEndHook hook) {
    const ProgramEndHook previous = gEndHook;
    gEndHook = hook;
    return previous;
}

const std::vector<std::string>& programArguments() {
    return gArguments;
}

void endProgram(int32_t exitCode) {
    if (gEndHook != nullptr) gEndHook(exitCode);
    if (windowless()) throw WindowlessEnd{exitCode};
    backendEndProgram(exitCode);
}

}  // namespace kestrway
