// The tile and pickup pictures: created once at start-up, the stage's tile
// pictures reloaded into the same images at every stage start.
#include "world/world_images.h"

#include <string>

#include "platform/image.h"
#include "platform/random.h"
#include "world/road.h"

namespace kestrway {

namespace {

constexpr int32_t kPickupSize = 16;
constexpr int32_t kSpannerPickup = 0;

// Slot and file of every picture that comes from the stage's folder; slot 2
// reuses the road picture so both lane codes look alike.
struct StageTile {
    int32_t slot;
    const char* file;
};
constexpr StageTile kStageTiles[] = {
    {kGrass, "grass.bmp"},     {kRoad1, "road.bmp"},      {kRoad2, "road.bmp"},
    {kWater, "water.bmp"},     {kTree, "tree.bmp"},       {kCorner1, "corner1.bmp"},
    {kCorner2, "corner2.bmp"}, {kCorner3, "corner3.bmp"}, {kCorner4, "corner4.bmp"},
    {kTower, "tower.bmp"},
};

}  // namespace

void createWorldImages(GameState& game) {
    for (ImagePtr& tile : game.tileSet) {
        tile = createImage(kTileSize, kTileSize, kBlankColour);
    }
    loadBitmap("gfx\\start.bmp", game.tileSet[kStartLine].get());
    for (ImagePtr& pickup : game.pickupImages) {
        pickup = createImage(kPickupSize, kPickupSize, kBlankColour);
    }
    loadBitmap("gfx\\collect\\spanner.bmp", game.pickupImages[kSpannerPickup].get());
    resetScroll(game);
}

void chooseTileSet(GameState& game) {
    // Equality counts as forest: the product is compared unrounded.
    const bool forest = randomUnit() * 10.0 <= 5.0;
    game.tileSetKind = forest ? TileSetKind::kForest : TileSetKind::kDesert;
    const std::string folder = forest ? "gfx\\forest\\" : "gfx\\desert\\";
    for (const StageTile& tile : kStageTiles) {
        loadBitmap(folder + tile.file, game.tileSet[static_cast<size_t>(tile.slot)].get());
    }
}

}  // namespace kestrway
