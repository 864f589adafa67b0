// Program start (the command line is kept, never read) and end.
#include "platform/program.h"

#include "platform/backend.h"

namespace kestrway {

namespace {

// Never destroyed: the game thread may read it while the process ends.
std::vector<std::string>& gArguments = *new std::vector<std::string>;

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
