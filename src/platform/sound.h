// The game's side of sound: the rules raise an event at the moment they act.
// Every call only posts to a fixed-size queue that the audio side drains: it
// never waits, never allocates and never touches the game's random generator,
// so the game plays the same with sound on, off, missing or failing.
#pragma once
#include <cstdint>

namespace kestrway {

// One-shot effects and jingles, each loaded from data/sfx/<name>.wav.
enum class SoundEffect : uint8_t {
    Shot,            // the player's shot
    Rocket,          // a tank's rocket
    TowerRound,      // a gun tower's round
    Explosion,       // a vehicle or tank destroyed
    CarExplosion,    // the player's car destroyed (bigger)
    Hit,             // damage taken: obstacle, vehicle, rocket or round
    Spanner,         // a spanner repairs
    Bonus,           // a spanner's bonus points when undamaged
    WaterIn,         // the car becomes a boat
    WaterOut,        // the boat becomes a car again
    GetReady,        // jingle
    StageCompleted,  // jingle
    GameOver,        // jingle
    Count
};

// The looping engine sound: off outside the frame loop (still screens, the
// wreck), a car on the road, or a boat on water.
enum class EngineSound : uint8_t { Off, Road, Boat };

// Game thread.
void playSound(SoundEffect effect);
// speed is the car's signed speed as the rules hold it; the engine's pitch
// follows its magnitude and it idles at 0.
void setEngineSound(EngineSound kind, int32_t speed);
// While on, the mixer repeats a short alarm now and then.
void setAlarm(bool on);

// Something else on the platform that wants to see effects as they are
// raised (a pad's rumble on a hit or the car's destruction). One listener,
// called on the game thread inside playSound; nullptr removes it.
using SoundListener = void (*)(SoundEffect effect);
void setSoundListener(SoundListener listener);

}  // namespace kestrway
