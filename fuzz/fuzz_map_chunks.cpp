// Fuzzes the map chunk reader and everything that trusts its codes: each
// input becomes the map files, then a stage is built, traffic placed and a
// few frames driven. The sanitizers catch any read or write outside a table.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "actors/traffic.h"
#include "game/frame_loop.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/screen.h"
#include "player/player.h"
#include "state/game_state.h"
#include "world/road.h"
#include "world/track.h"
#include "world/world_images.h"

namespace {

std::filesystem::path gFolder;

kestrway::GameState& game() {
    static kestrway::GameState state;
    return state;
}

void writeFile(const std::filesystem::path& file, const uint8_t* data, size_t size) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
    std::fclose(out);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gFolder = std::filesystem::temp_directory_path() /
              ("kestrway_fuzz_maps_" + std::to_string(::getpid()));
    std::filesystem::create_directories(gFolder / "map");
    kestrway::headless::reset();
    kestrway::setDataFolder(gFolder.string());
    kestrway::openScreen();
    kestrway::GameState& g = game();
    kestrway::loadPlayerImages(g);
    kestrway::loadVehiclePictures(g.traffic);
    kestrway::createWorldImages(g);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first file gets the whole input, the second its second half, so
    // the slots fill from files of different lengths.
    writeFile(gFolder / "map" / "01.bmp", data, size);
    writeFile(gFolder / "map" / "02.bmp", data + size / 2, size - size / 2);
    kestrway::GameState& g = game();
    g.mapChunks = {};
    kestrway::loadMapChunks(g);
    g.stageNumber = 1 + static_cast<int32_t>(size % 100);
    kestrway::prepareStage(g);
    kestrway::scrollAndDrawRoad(g);
    kestrway::StageRun run;
    g.playerGear = 3;
    for (int frame = 0; frame < 8; ++frame) {
        g.trafficPhase = 1;
        kestrway::updateAndDrawFrame(g, run);
        g.playerGear = 3;
        g.damageLevel = 0;
    }
    return 0;
}
