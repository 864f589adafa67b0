// The player's pictures, its stage-start values and the gear-to-speed table.
#include "player/player.h"

namespace kestrway {

namespace {

constexpr int32_t kCarPicture = 0;
constexpr int32_t kBoatPicture = 1;
constexpr int32_t kFirstSpareCarSlot = 2;
constexpr int32_t kFirstSquareSlot = 5;
constexpr int32_t kSquareSize = 16;

ImagePtr loadedPicture(int32_t size, const char* file) {
    ImagePtr image = createImage(size, size, kBlankColour);
    // A missing file leaves the picture in its creation colour.
    if (file != nullptr) loadBitmap(file, image.get());
    return image;
}

}  // namespace

void loadPlayerImages(GameState& game) {
    game.playerImages[kCarPicture] = loadedPicture(kTileSize, "gfx\\car.bmp");
    game.playerImages[kBoatPicture] = loadedPicture(kTileSize, "gfx\\boat.bmp");
    // Two spare car-sized pictures stay blank; the slot after them stays empty.
    game.playerImages[kFirstSpareCarSlot] = loadedPicture(kTileSize, nullptr);
    game.playerImages[kFirstSpareCarSlot + 1] = loadedPicture(kTileSize, nullptr);
    // The two squares are loaded but nothing draws them.
    game.playerImages[kFirstSquareSlot] = loadedPicture(kSquareSize, "gfx\\ui\\square1.bmp");
    game.playerImages[kFirstSquareSlot + 1] = loadedPicture(kSquareSize, "gfx\\ui\\square2.bmp");
    resetPlayer(game);
}

void resetPlayer(GameState& game) {
    game.playerX = kPlayerStartX;
    game.playerY = kPlayerStartY;
    game.playerGear = 0;
    game.playerSpeed = 0;
    game.playerVehicle = 0;
    game.damageLevel = 0;
    game.bonus = kStageBonus;
}

int32_t speedForGear(int32_t gear) {
    // Forward gears double the speed (1, 2, 4); reverse is the gear itself.
    if (gear > 0) return 1 << (gear - 1);
    return gear;
}

}  // namespace kestrway
