// Assembling a stage's track from eight map chunks.
#include "world/track.h"

#include <algorithm>
#include <cmath>

#include "platform/random.h"

namespace kestrway {

namespace {

constexpr int32_t kChunksPerTrack = kTrackRows / kChunkRows;

}  // namespace

void buildTrack(GameState& game) {
    // The far end (the finish) is always chunk slot 0. The next chunk is drawn
    // after every copy, so the eighth draw is made though nothing uses it: the
    // stage's random sequence depends on it.
    size_t source = 0;
    for (int32_t k = 0; k < kChunksPerTrack; ++k) {
        const MapChunk& chunk = game.mapChunks[source];
        std::copy(chunk.begin(), chunk.end(), game.track.begin() + k * kChunkCells);
        source = static_cast<size_t>(std::floor(randomUnit() * kChunkSlots));
    }
    placeTrackFeatures(game);
}

}  // namespace kestrway
