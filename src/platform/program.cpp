// Program start (the command line is kept, never read) and end.
#include "platform/program.h"

#include "platform/backend.h"

namespace kestrway {

namespace {

std::vector<std::string> gArguments;

}  // namespace

void startProgram(int argc, char** argv) {
    gArguments.clear();
    for (int i = 0; i < argc; ++i) gArguments.emplace_back(argv[i] != nullptr ? argv[i] : "");
}

const std::vector<std::string>& programArguments() {
    return gArguments;
}

void endProgram(int32_t exitCode) {
    backendEndProgram(exitCode);
}

}  // namespace kestrway
