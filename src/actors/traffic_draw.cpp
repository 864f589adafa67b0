// The vehicles' four pictures, loaded once, and drawing every vehicle at
// its place on the scrolling road.
#include "actors/traffic.h"

namespace kestrway {

namespace {

constexpr int32_t kCar1Picture = 0;
constexpr int32_t kCar2Picture = 1;
constexpr int32_t kTankUpPicture = 2;
constexpr int32_t kTankDownPicture = 3;

constexpr const char* kPictureFiles[kVehiclePictures] = {
    "gfx\\car1.bmp",
    "gfx\\car2.bmp",
    "gfx\\tank.bmp",
    "gfx\\tank2.bmp",
};

int32_t pictureFor(const Vehicle& vehicle) {
    switch (vehicle.kind) {
        case kCivilian1:
            return kCar1Picture;
        case kCivilian2:
            return kCar2Picture;
        default:
            return vehicle.heading < 0 ? kTankUpPicture : kTankDownPicture;
    }
}

}  // namespace

void loadVehiclePictures(Traffic& traffic) {
    for (int32_t picture = 0; picture < kVehiclePictures; ++picture) {
        ImagePtr& image = traffic.pictures[static_cast<size_t>(picture)];
        image = createImage(kTileSize, kTileSize, kBlankColour);
        // A missing file leaves the picture in its creation colour.
        loadBitmap(kPictureFiles[picture], image.get());
    }
}

void drawTraffic(GameState& game) {
    for (const Vehicle& vehicle : game.traffic.vehicles) {
        if (vehicle.kind < 1) continue;
        const ScreenPoint at = vehicleScreenPosition(game, vehicle);
        const Image* picture =
            game.traffic.pictures[static_cast<size_t>(pictureFor(vehicle))].get();
        blitTransparent(static_cast<float>(at.x), static_cast<float>(at.y), picture);
    }
}

}  // namespace kestrway
