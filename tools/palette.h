// The shared colours of the game's art, so every picture family draws from one palette.
#pragma once

#include <cstdint>

#include "pixel_art.h"

namespace kestrway::colours {

// Outlines and the darkest shadows.
constexpr uint32_t kInk = rgb(24, 22, 30);
constexpr uint32_t kWhite = rgb(244, 244, 238);
constexpr uint32_t kGlass = rgb(52, 70, 96);
constexpr uint32_t kGlassShine = rgb(132, 160, 190);
constexpr uint32_t kTyre = rgb(34, 34, 38);
constexpr uint32_t kHeadlight = rgb(255, 246, 180);
constexpr uint32_t kTailLight = rgb(200, 30, 36);

// Forest ground, road and water.
constexpr uint32_t kGrass = rgb(76, 142, 58);
constexpr uint32_t kGrassDark = rgb(58, 116, 46);
constexpr uint32_t kGrassLight = rgb(104, 168, 72);
constexpr uint32_t kAsphalt = rgb(86, 88, 94);
constexpr uint32_t kAsphaltDark = rgb(68, 70, 76);
constexpr uint32_t kLaneWhite = rgb(226, 226, 216);
constexpr uint32_t kWater = rgb(44, 104, 178);
constexpr uint32_t kWaterDeep = rgb(32, 80, 150);
constexpr uint32_t kRipple = rgb(140, 190, 234);
constexpr uint32_t kLeaf = rgb(38, 96, 40);
constexpr uint32_t kLeafDark = rgb(24, 66, 30);
constexpr uint32_t kLeafLight = rgb(84, 150, 62);
constexpr uint32_t kConcrete = rgb(150, 150, 146);
constexpr uint32_t kConcreteDark = rgb(104, 104, 102);
constexpr uint32_t kConcreteLight = rgb(196, 196, 190);

// Desert ground, road and water.
constexpr uint32_t kSand = rgb(220, 188, 124);
constexpr uint32_t kSandDark = rgb(196, 160, 98);
constexpr uint32_t kSandLight = rgb(238, 210, 152);
constexpr uint32_t kDustRoad = rgb(150, 132, 110);
constexpr uint32_t kDustRoadDark = rgb(128, 112, 92);
constexpr uint32_t kLaneFaded = rgb(232, 206, 120);
constexpr uint32_t kOasis = rgb(38, 150, 160);
constexpr uint32_t kOasisDeep = rgb(26, 116, 134);
constexpr uint32_t kOasisRipple = rgb(150, 222, 214);
constexpr uint32_t kCactus = rgb(70, 140, 74);
constexpr uint32_t kCactusDark = rgb(40, 96, 52);
constexpr uint32_t kCactusLight = rgb(128, 188, 110);
constexpr uint32_t kSandstone = rgb(200, 140, 84);
constexpr uint32_t kSandstoneDark = rgb(150, 96, 56);
constexpr uint32_t kSandstoneLight = rgb(232, 184, 124);

// Weapons.
constexpr uint32_t kGunMetal = rgb(58, 62, 66);
constexpr uint32_t kGunMetalLight = rgb(110, 116, 122);
constexpr uint32_t kHazardYellow = rgb(240, 196, 40);
constexpr uint32_t kWarningRed = rgb(230, 40, 32);

// Vehicles.
constexpr uint32_t kPlayerRed = rgb(214, 34, 40);
constexpr uint32_t kCivilianBlue = rgb(88, 110, 156);
constexpr uint32_t kCivilianTeal = rgb(74, 138, 124);
constexpr uint32_t kOlive = rgb(104, 116, 60);
constexpr uint32_t kOliveDark = rgb(72, 82, 40);
constexpr uint32_t kKhaki = rgb(150, 150, 92);

// Fire.
constexpr uint32_t kFireWhite = rgb(255, 250, 220);
constexpr uint32_t kFireYellow = rgb(255, 220, 60);
constexpr uint32_t kFireOrange = rgb(250, 140, 30);
constexpr uint32_t kFireRed = rgb(210, 50, 24);
constexpr uint32_t kSmoke = rgb(70, 60, 58);

}  // namespace kestrway::colours
