// The answers of a game's keyboard reads, recorded compactly and given back.
// Every read counts; a key-state read is stored only when its answer differs
// from the last answer for that key, a typed-key read only when it is not
// empty. So held keys cost nothing while they stay held.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/input_tap.h"
#include "platform/keyboard.h"

namespace kestrway {

// A game's reads are bounded, so that no file, however made, keeps a replay
// going for longer than about a day and a half of play (some eight reads a
// frame, a hundred frames a second).
constexpr uint64_t kMaxRecordedReads = 100'000'000;

// Walks a recorded input stream: true when every event is whole, the stream
// ends with the end mark and nothing after it, and it holds at most
// kMaxRecordedReads reads (`reads`: how many).
bool inputWellFormed(std::span<const uint8_t> input, uint64_t& reads);

// Records every answer the game gets, as the live keyboard gives it.
class InputRecorder final : public InputTap {
  public:
    // Room for hours of play, so that recording does not allocate in the
    // frame loop.
    InputRecorder();
    // Forgets what was recorded: a new game starts with every key up.
    void restart();
    // The recorded answers, closed by the end mark.
    std::vector<uint8_t> finish();

    int32_t keyState(int32_t scanCode, int32_t live) override;
    void typedKey(std::string& key) override;

  private:
    void event(uint32_t kind, uint32_t value);

    std::vector<uint8_t> bytes_;
    std::array<int8_t, kKeyStateCount> lastAnswer_{};
    uint64_t readsSinceEvent_ = 0;
};

// Thrown from a read when a replay cannot answer it: its input has ended
// (the game goes on longer than the recording), or the game asked something
// else than the recorded game did at that point.
struct ReplayInputEnded {
    bool desynchronised = false;
    uint64_t read = 0;  // which read, counted from the game's start
};

// Thrown from a read during playback when a live key stops it: the playback
// stops there, and the key is not passed on.
struct ReplayViewerStopped {
    bool closeButton = false;
};

// Which live keys stop a playback: a viewer's Escape and the close button,
// or (a demo on the title screen) any key and the close button.
enum class LiveKeys { kViewer, kDemo };

// Gives the recorded answers back, read by read. A live key that stops the
// playback is reported, never passed to the game.
class InputPlayer final : public InputTap {
  public:
    explicit InputPlayer(std::span<const uint8_t> input, LiveKeys liveKeys = LiveKeys::kViewer);

    int32_t keyState(int32_t scanCode, int32_t live) override;
    void typedKey(std::string& key) override;

    uint64_t reads() const { return read_; }
    // True when the game read exactly what was recorded: every answer given
    // and the next mark is the end.
    bool atInputEnd();

  private:
    bool loadNextEvent();
    [[noreturn]] void fail(bool desynchronised) const;

    std::span<const uint8_t> input_;
    LiveKeys liveKeys_;
    size_t position_ = 0;
    std::array<int8_t, kKeyStateCount> answer_{};
    uint64_t read_ = 0;
    // The next recorded event: at which read, of what kind, with what value.
    bool haveEvent_ = false;
    uint64_t eventRead_ = 0;
    uint32_t eventKind_ = 0;
    uint32_t eventValue_ = 0;
};

}  // namespace kestrway
