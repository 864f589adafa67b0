// Shots and rockets: one screen-space table for the player's shots, the
// tanks' rockets and the towers' rounds.
#pragma once

#include "state/actor_tables.h"

namespace kestrway {

constexpr int32_t kShotLifetime = 70;

void loadShotPictures(Shots& shots);
void clearShots(Shots& shots);
// direction -1 up the screen, +1 down; owner kPlayerShot or kEnemyShot.
void fireShot(Shots& shots, int32_t x, int32_t y, int32_t direction, int32_t picture,
              int32_t owner);
// direction -1 left, +1 right; always picture 3.
void fireSideShot(Shots& shots, int32_t x, int32_t y, int32_t direction, int32_t owner);
void drawAndMoveShots(Shots& shots, int32_t playerSpeed);
// 0 no hit, 1 a player's shot, 2 an enemy shot; the shot that hits is used up.
int32_t shotHitsBox(Shots& shots, int32_t bx, int32_t by, int32_t bw, int32_t bh);
int32_t enemyShotHitsBox(Shots& shots, int32_t bx, int32_t by, int32_t bw, int32_t bh);

}  // namespace kestrway
