// The one-shot effects: weapons, explosions, damage, pickups and water.
// Each has its own shape so it reads in a busy moment: a shot chirps down,
// a rocket hisses, a tower's round thuds, explosions rumble.
#include <utility>

#include "sound_synth.h"
#include "sounds.h"

namespace kestrway {

namespace {

NamedSound effect(const char* name, const std::vector<float>& mix, double peakDb) {
    return {name, finishSound(mix, peakDb), false};
}

// A narrow pulse chirping down from high, over a tick of bright noise.
NamedSound shot() {
    std::vector<float> mix;
    addTone(mix, 0,
            {.startHz = 1500, .endHz = 280, .seconds = 0.12, .duty = 0.125, .decayCurve = 1.5});
    addTone(mix, 0,
            {.wave = Wave::Noise,
             .startHz = 9000,
             .endHz = 6000,
             .seconds = 0.03,
             .volume = 0.5,
             .decayCurve = 2,
             .noiseSeed = 11});
    return effect("shot", mix, -4);
}

// A launch: a hiss that swells and dies, over a rising growl.
NamedSound rocket() {
    std::vector<float> mix;
    addTone(mix, 0,
            {.wave = Wave::Noise,
             .startHz = 5000,
             .endHz = 1800,
             .seconds = 0.45,
             .volume = 0.8,
             .attack = 0.06,
             .decayCurve = 1.2,
             .noiseSeed = 21});
    addTone(mix, 0,
            {.startHz = 110,
             .endHz = 330,
             .seconds = 0.35,
             .volume = 0.4,
             .duty = 0.25,
             .attack = 0.02,
             .decayCurve = 1});
    return effect("rocket", mix, -5);
}

// A cannon's low thud: a square dropping fast, with a short burst of noise.
NamedSound towerRound() {
    std::vector<float> mix;
    addTone(mix, 0, {.startHz = 320, .endHz = 70, .seconds = 0.25, .decayCurve = 2});
    addTone(mix, 0,
            {.wave = Wave::Noise,
             .startHz = 3000,
             .endHz = 800,
             .seconds = 0.12,
             .volume = 0.7,
             .decayCurve = 1.5,
             .noiseSeed = 31});
    lowPass(mix, 2500, false);
    return effect("tower_round", mix, -4);
}

// Noise whose grain coarsens as it fades, over a falling triangle rumble.
NamedSound explosion() {
    std::vector<float> mix;
    addTone(mix, 0,
            {.wave = Wave::Noise,
             .startHz = 4000,
             .endHz = 300,
             .seconds = 0.6,
             .decayCurve = 1.8,
             .noiseSeed = 41});
    addTone(mix, 0,
            {.wave = Wave::Triangle,
             .startHz = 140,
             .endHz = 40,
             .seconds = 0.5,
             .volume = 0.7,
             .decayCurve = 1.5});
    return effect("explosion", mix, -4);
}

// Bigger: two blasts a moment apart, a deeper rumble, a longer tail.
NamedSound carExplosion() {
    std::vector<float> mix;
    addTone(mix, 0,
            {.wave = Wave::Noise,
             .startHz = 5000,
             .endHz = 400,
             .seconds = 0.5,
             .decayCurve = 1.5,
             .noiseSeed = 51});
    addTone(mix, 0.14,
            {.wave = Wave::Noise,
             .startHz = 2500,
             .endHz = 120,
             .seconds = 1.05,
             .decayCurve = 1.6,
             .noiseSeed = 52});
    addTone(mix, 0,
            {.wave = Wave::Triangle,
             .startHz = 110,
             .endHz = 28,
             .seconds = 1.1,
             .volume = 0.8,
             .decayCurve = 1.3});
    addTone(
        mix, 0.14,
        {.startHz = 90, .endHz = 35, .seconds = 0.6, .volume = 0.3, .duty = 0.25, .decayCurve = 2});
    return effect("car_explosion", mix, -3.5);
}

// A crunch: bright noise and a buzzing drop, over in a moment.
NamedSound hit() {
    std::vector<float> mix;
    addTone(mix, 0,
            {.wave = Wave::Noise,
             .startHz = 7000,
             .endHz = 2000,
             .seconds = 0.16,
             .volume = 0.8,
             .decayCurve = 1.5,
             .noiseSeed = 61});
    addTone(mix, 0,
            {.startHz = 200,
             .endHz = 80,
             .seconds = 0.18,
             .volume = 0.7,
             .duty = 0.25,
             .decayCurve = 1.2});
    return effect("hit", mix, -4);
}

// A ratchet's two clicks and a bright ring: the car repaired.
NamedSound spanner() {
    std::vector<float> mix;
    for (const double at : {0.0, 0.06}) {
        addTone(mix, at,
                {.wave = Wave::Noise,
                 .startHz = 11000,
                 .endHz = 11000,
                 .seconds = 0.025,
                 .volume = 0.5,
                 .decayCurve = 2,
                 .noiseSeed = 71});
    }
    addTone(mix, 0.12,
            {.wave = Wave::Triangle,
             .startHz = noteHz(88),
             .endHz = noteHz(88),
             .seconds = 0.2,
             .decayCurve = 1.5});
    addTone(mix, 0.12,
            {.startHz = noteHz(95),
             .endHz = noteHz(95),
             .seconds = 0.12,
             .volume = 0.25,
             .duty = 0.125,
             .decayCurve = 2});
    return effect("spanner", mix, -4);
}

// Points: a quick rising arpeggio.
NamedSound bonus() {
    std::vector<float> mix;
    const int32_t notes[] = {72, 76, 79, 84, 88};
    for (size_t i = 0; i < std::size(notes); ++i) {
        const double hz = noteHz(notes[i]);
        addTone(mix, 0.06 * static_cast<double>(i),
                {.startHz = hz,
                 .endHz = hz,
                 .seconds = i + 1 < std::size(notes) ? 0.07 : 0.2,
                 .duty = 0.25,
                 .decayCurve = i + 1 < std::size(notes) ? 0.3 : 1.2});
    }
    return effect("bonus", mix, -5);
}

// A splash and a falling bloop: into the water.
NamedSound waterIn() {
    std::vector<float> mix;
    addTone(mix, 0,
            {.wave = Wave::Noise,
             .startHz = 8000,
             .endHz = 1500,
             .seconds = 0.4,
             .volume = 0.7,
             .attack = 0.01,
             .decayCurve = 2,
             .noiseSeed = 81});
    addTone(mix, 0.03,
            {.wave = Wave::Triangle,
             .startHz = 700,
             .endHz = 140,
             .seconds = 0.3,
             .decayCurve = 1,
             .vibratoHz = 18,
             .vibratoDepth = 0.08});
    return effect("water_in", mix, -4);
}

// Water running off and a rising bloop: back on the road.
NamedSound waterOut() {
    std::vector<float> mix;
    addTone(mix, 0,
            {.wave = Wave::Triangle,
             .startHz = 160,
             .endHz = 760,
             .seconds = 0.25,
             .decayCurve = 0.8,
             .vibratoHz = 18,
             .vibratoDepth = 0.08});
    addTone(mix, 0.1,
            {.wave = Wave::Noise,
             .startHz = 2500,
             .endHz = 6000,
             .seconds = 0.25,
             .volume = 0.4,
             .attack = 0.08,
             .decayCurve = 1.5,
             .noiseSeed = 91});
    return effect("water_out", mix, -4);
}

}  // namespace

std::vector<NamedSound> effectSounds() {
    return {shot(), rocket(),  towerRound(), explosion(), carExplosion(),
            hit(),  spanner(), bonus(),      waterIn(),   waterOut()};
}

}  // namespace kestrway
