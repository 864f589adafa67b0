// The run snapshot and its bytes: fixed little-endian 32-bit words.
#include "game/replay_snapshot.h"

namespace kestrway {

namespace {

constexpr size_t kSnapshotWords = 624 + 1 + 2 + 3 + kVehicleSlots + 2;
// Play keeps the counters, latches and delays far below this; a file's
// larger or negative values could only make them overflow.
constexpr int32_t kMaxCounter = 1000;

bool counter(int32_t value) {
    return value >= 0 && value <= kMaxCounter;
}

// Visits every word of the snapshot in file order, so that encoding and
// decoding cannot disagree about it.
template <typename Snapshot, typename Visit>
void eachWord(Snapshot& snapshot, Visit&& visit) {
    for (auto& word : snapshot.random.words) visit(word);
    visit(snapshot.random.index);
    visit(snapshot.frameCounter);
    visit(snapshot.trafficPhase);
    visit(snapshot.controls.upKeyLatch);
    visit(snapshot.controls.downKeyLatch);
    visit(snapshot.controls.fireCooldown);
    for (auto& delay : snapshot.fireDelays) visit(delay);
    visit(snapshot.highScore);
    visit(snapshot.previousScore);
}

}  // namespace

RunSnapshot takeSnapshot(const GameState& game) {
    RunSnapshot snapshot;
    snapshot.random = randomState();
    snapshot.frameCounter = game.frameCounter;
    snapshot.trafficPhase = game.trafficPhase;
    snapshot.controls = game.controls;
    for (size_t slot = 0; slot < snapshot.fireDelays.size(); ++slot) {
        snapshot.fireDelays[slot] = game.traffic.vehicles[slot].fireDelay;
    }
    snapshot.highScore = game.highScore;
    snapshot.previousScore = game.previousScore;
    return snapshot;
}

void applySnapshot(const RunSnapshot& snapshot, GameState& game) {
    restoreRandomState(snapshot.random);
    game.frameCounter = snapshot.frameCounter;
    game.trafficPhase = snapshot.trafficPhase;
    game.controls = snapshot.controls;
    for (size_t slot = 0; slot < snapshot.fireDelays.size(); ++slot) {
        game.traffic.vehicles[slot].fireDelay = snapshot.fireDelays[slot];
    }
    game.highScore = snapshot.highScore;
    game.previousScore = snapshot.previousScore;
}

std::vector<uint8_t> encodeSnapshot(const RunSnapshot& snapshot) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kSnapshotWords * 4);
    eachWord(snapshot, [&](auto word) {
        const auto bits = static_cast<uint32_t>(word);
        for (int32_t shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<uint8_t>(bits >> shift));
        }
    });
    return bytes;
}

bool decodeSnapshot(std::span<const uint8_t> bytes, RunSnapshot& snapshot) {
    if (bytes.size() != kSnapshotWords * 4) return false;
    size_t at = 0;
    eachWord(snapshot, [&](auto& word) {
        uint32_t bits = 0;
        for (int32_t i = 0; i < 4; ++i) bits |= uint32_t{bytes[at++]} << (8 * i);
        word = static_cast<std::remove_reference_t<decltype(word)>>(bits);
    });
    bool plausible = snapshot.random.index >= 0 && snapshot.random.index <= 624 &&
                     counter(snapshot.frameCounter) && counter(snapshot.trafficPhase) &&
                     counter(snapshot.controls.upKeyLatch) &&
                     counter(snapshot.controls.downKeyLatch) &&
                     counter(snapshot.controls.fireCooldown);
    for (const int32_t delay : snapshot.fireDelays) plausible = plausible && counter(delay);
    return plausible;
}

}  // namespace kestrway
