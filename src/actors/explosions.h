// Explosions: eight copies of one picture on a ring growing for 21 frames,
// carried down the screen with the road.
#pragma once

#include "state/actor_tables.h"

namespace kestrway {

void loadExplosionPicture(Explosions& explosions);
void clearExplosions(Explosions& explosions);
void startExplosion(Explosions& explosions, int32_t x, int32_t y);
void drawExplosions(Explosions& explosions, int32_t playerSpeed);
// The diagonal copies' distance for a radius: 0.75 r, halves to even.
int32_t diagonalDistance(int32_t radius);

}  // namespace kestrway
