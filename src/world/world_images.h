// The tile pictures, the pickup pictures and the map chunks: created and
// loaded at start-up, the tile set refilled for every stage.
#pragma once

#include "state/game_state.h"

namespace kestrway {

// Start-up: the 21 tile images and 6 pickup images, start line and spanner
// pictures loaded, then the scroll reset.
void createWorldImages(GameState& game);
// Start-up, after the other pictures: track size and the four chunks from
// "map\01.bmp" .. "map\04.bmp" (missing files skipped, the rest move up).
void loadMapChunks(GameState& game);
// Stage start: one random draw picks the forest or the desert pictures, and
// game.tileSetKind records which.
void chooseTileSet(GameState& game);

}  // namespace kestrway
