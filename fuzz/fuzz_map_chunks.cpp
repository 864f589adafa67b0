// Fuzzes the map chunk reader and everything that trusts its codes: each
// input becomes the map files, then a stage is built, traffic placed and
// frames driven from a place along the track that the input picks, so tanks
// come into range and fire. The sanitizers catch any read or write outside a
// table.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "game/frame_loop.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "platform/screen_device.h"
#include "player/player.h"
#include "state/game_state.h"
#include "world/road.h"
#include "world/track.h"
#include "world/world_images.h"

namespace {

// Long enough for a rocket fired at once to cross 160 pixels.
constexpr int kFrames = 20;

std::filesystem::path gFolder;

kestrway::GameState& game() {
    static kestrway::GameState& state = *new kestrway::GameState;
    return state;
}

void writeFile(const std::filesystem::path& file, const uint8_t* data, size_t size) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
    std::fclose(out);
}

// FNV-1a: the same input always plays the same game.
uint64_t hashOf(const uint8_t* data, size_t size) {
    uint64_t hash = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

// A chunk with no road or water keeps no cell a spanner may stand on once
// its trees become towers and its grass corners; a track of such chunks
// makes every spanner use all of its 2^20 attempts, about a second an input
// here. The track tests cover that bound; the fuzzer gives such a chunk one
// water cell instead, which nothing later changes.
void keepASpannerPlace(kestrway::GameState& g) {
    for (kestrway::MapChunk& chunk : g.mapChunks) {
        const bool hasPlace = std::any_of(chunk.begin(), chunk.end(), [](uint8_t code) {
            return code >= kestrway::kRoad1 && code <= kestrway::kWater;
        });
        if (!hasPlace) chunk[chunk.size() / 2] = kestrway::kWater;
    }
}

// Space, Left and Right held or not, as the input says: shots that hit the
// traffic, and steering into it.
void holdKeys(uint64_t hash) {
    std::array<uint8_t, kestrway::kKeyStateCount> states{};
    states[kestrway::kScanSpace] = (hash >> 56) & 1;
    states[kestrway::kScanLeft] = (hash >> 57) & 1;
    states[kestrway::kScanRight] = (hash >> 58) & 1;
    std::lock_guard lock(kestrway::screenMutex());
    kestrway::setKeyStates(states);
}

// Puts the view and the car somewhere along the track. Most inputs that
// placed a tank get the car lined up with one, 34 to 160 pixels below or
// above it, so that it fires and its rockets fly within the frames driven;
// the rest anywhere across the road.
void placeThePlayer(kestrway::GameState& g, uint64_t hash) {
    using namespace kestrway;
    std::array<int32_t, kVehicleSlots> tanks{};
    size_t tankCount = 0;
    for (int32_t slot = 0; slot < kVehicleSlots; ++slot) {
        if (g.traffic.vehicles[static_cast<size_t>(slot)].kind == kTank) tanks[tankCount++] = slot;
    }
    if (tankCount == 0 || (hash >> 8) % 8 == 0) {
        g.scrollRow =
            kStartScrollRow + static_cast<int32_t>((hash >> 8) % (kTrackRows - kStartScrollRow));
        g.playerX = static_cast<int32_t>((hash >> 24) % 241) * 2;
        return;
    }
    const Vehicle& tank = g.traffic.vehicles[static_cast<size_t>(tanks[(hash >> 12) % tankCount])];
    const int32_t gap = 34 + static_cast<int32_t>((hash >> 16) % 127);
    const int32_t wantedY = (hash >> 23) & 1 ? g.playerY - gap : g.playerY + gap;
    // A vehicle's screen y is its track y less (trackRows - scrollRow) rows.
    const int32_t row = (tank.row * kTileSize + tank.offsetY - wantedY) / kTileSize;
    g.scrollRow = std::clamp(g.trackRows - row, kStartScrollRow, kTrackRows - 1);
    const int32_t across = static_cast<int32_t>((hash >> 24) % 31) - 15;
    g.playerX = std::clamp(tank.column * kTileSize + tank.offsetX + across, 0, 480);
}

// Prefers RAM for the map files when the system has it.
std::filesystem::path scratchFolder() {
    std::error_code ignored;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    return base / ("kestrway_fuzz_maps_" + std::to_string(::getpid()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gFolder = scratchFolder();
    std::filesystem::create_directories(gFolder / "map");
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(gFolder, ignored);
    });
    kestrway::headless::reset();
    kestrway::setDataFolder(gFolder.string());
    kestrway::openScreen();
    kestrway::GameState& g = game();
    kestrway::loadPlayerImages(g);
    kestrway::loadVehiclePictures(g.traffic);
    kestrway::createWorldImages(g);
    kestrway::loadShotPictures(g.shots);
    kestrway::loadExplosionPicture(g.explosions);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint64_t hash = hashOf(data, size);
    // 53 bits: an exact double, so every seed is an ordinary one.
    kestrway::seedRandom(static_cast<double>(hash >> 11));
    // The first file gets the whole input, the second its second half, so
    // the slots fill from files of different lengths.
    writeFile(gFolder / "map" / "01.bmp", data, size);
    writeFile(gFolder / "map" / "02.bmp", data + size / 2, size - size / 2);
    kestrway::GameState& g = game();
    g.mapChunks = {};
    kestrway::loadMapChunks(g);
    keepASpannerPlace(g);
    // Nothing carried over from the last input: the same input, the same run.
    g.traffic.vehicles = {};
    g.controls = {};
    g.frameCounter = 0;
    holdKeys(hash);
    g.stageNumber = 1 + static_cast<int32_t>(hash % 100);
    kestrway::prepareStage(g);
    placeThePlayer(g, hash);
    kestrway::StageRun run;
    const int32_t gear = static_cast<int32_t>((hash >> 40) % 6) - 2;  // reverse to top gear
    for (int frame = 0; frame < kFrames; ++frame) {
        g.playerGear = gear;
        g.damageLevel = static_cast<int32_t>((hash >> 48) % 5);  // never destroyed
        g.trafficPhase = frame & 1;
        kestrway::updateAndDrawFrame(g, run);
    }
    return 0;
}
