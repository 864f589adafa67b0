// The short tunes of the still screens and the danger alarm: a pulse
// melody over a triangle bass, as the era's sound chips played them.
#include "sound_synth.h"
#include "sounds.h"

namespace kestrway {

namespace {

// One note of a tune: its number (0 a rest) and length in beats.
struct Note {
    int32_t note;
    double beats;
};

// Plays notes back to back from the start, each held for most of its length
// so repeated notes stay apart.
void addLine(std::vector<float>& mix, const std::vector<Note>& line, double beatSeconds,
             Tone voice) {
    double at = 0;
    for (const Note& n : line) {
        const double length = n.beats * beatSeconds;
        if (n.note != 0) {
            voice.startHz = voice.endHz = noteHz(n.note);
            voice.seconds = length * 0.9;
            addTone(mix, at, voice);
        }
        at += length;
    }
}

// Get Ready: three quick calls and an upward answer.
NamedSound getReady() {
    std::vector<float> mix;
    addLine(mix, {{67, 1}, {0, 0.5}, {67, 1}, {0, 0.5}, {67, 1}, {72, 3}}, 0.11,
            {.duty = 0.25, .decayCurve = 0.4});
    addLine(mix, {{43, 1.5}, {43, 1.5}, {48, 4}}, 0.11,
            {.wave = Wave::Triangle, .volume = 0.8, .decayCurve = 0.3});
    return {"get_ready", finishSound(mix, -4), false};
}

// Stage Completed: a bright climb to a held chord tone with a little vibrato.
NamedSound stageCompleted() {
    std::vector<float> mix;
    addLine(mix, {{72, 1}, {76, 1}, {79, 1}, {84, 1.5}, {79, 0.5}, {84, 4}}, 0.12,
            {.duty = 0.5, .decayCurve = 0.5, .vibratoHz = 6, .vibratoDepth = 0.006});
    addLine(mix, {{76, 1}, {79, 1}, {84, 1}, {88, 1.5}, {84, 0.5}, {88, 4}}, 0.12,
            {.volume = 0.35, .duty = 0.125, .decayCurve = 0.6});
    addLine(mix, {{48, 2}, {55, 1}, {60, 2}, {48, 4}}, 0.12,
            {.wave = Wave::Triangle, .volume = 0.9, .decayCurve = 0.4});
    return {"stage_completed", finishSound(mix, -4), false};
}

// Game Over: a falling minor line that sags at the end.
NamedSound gameOver() {
    std::vector<float> mix;
    addLine(mix, {{67, 1.5}, {63, 1.5}, {60, 1.5}, {59, 5}}, 0.16,
            {.duty = 0.25, .decayCurve = 0.6, .vibratoHz = 5, .vibratoDepth = 0.012});
    addLine(mix, {{43, 1.5}, {39, 1.5}, {36, 1.5}, {35, 5}}, 0.16,
            {.wave = Wave::Triangle, .volume = 0.9, .decayCurve = 0.5});
    return {"game_over", finishSound(mix, -4), false};
}

// The danger alarm: a two-tone beep, short, for the game to repeat.
NamedSound alarm() {
    std::vector<float> mix;
    addLine(mix, {{81, 1}, {0, 0.2}, {76, 1}}, 0.13, {.duty = 0.5, .decayCurve = 0.2});
    return {"alarm", finishSound(mix, -6), false};
}

}  // namespace

std::vector<NamedSound> jingleSounds() {
    return {alarm(), getReady(), stageCompleted(), gameOver()};
}

}  // namespace kestrway
