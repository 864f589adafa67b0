// The replay file: a header saying what made it, then each recorded game
// (a snapshot of what the game's start does not reset, the answers of its
// keyboard reads, and how it ended), then a checksum of all of it. Read with
// bounds: a malformed, truncated or hostile file is refused with a reason.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrway {

constexpr uint32_t kReplayFormatVersion = 1;
// Files larger than this are refused unread.
constexpr uint64_t kMaxReplayBytes = uint64_t{64} << 20;

struct ReplayHeader {
    uint32_t formatVersion = kReplayFormatVersion;
    // Bumped whenever a rule of play changes: old replays would not follow.
    uint32_t rulesVersion = 0;
    std::string gameVersion;
    // CRC-32 of the map chunks in use (they change play) and of the pictures
    // loaded at start-up (they do not).
    uint32_t mapChecksum = 0;
    uint32_t pictureChecksum = 0;
    bool operator==(const ReplayHeader&) const = default;
};

// How a game ended, as its recording says and as a replay of it must end.
struct RecordedEnd {
    int32_t how = 0;
    int32_t stage = 0;
    int32_t score = 0;
    int32_t frames = 0;
    bool operator==(const RecordedEnd&) const = default;
};

struct RecordedGame {
    std::vector<uint8_t> snapshot;
    std::vector<uint8_t> input;
    RecordedEnd end;
    bool operator==(const RecordedGame&) const = default;
};

struct Replay {
    ReplayHeader header;
    std::vector<RecordedGame> games;
    bool operator==(const Replay&) const = default;
};

uint32_t crc32(std::span<const uint8_t> bytes, uint32_t crc = 0);

std::vector<uint8_t> encodeReplay(const Replay& replay);
// "" when the bytes are a whole replay of this format; otherwise what is
// wrong with them, in a few words.
std::string decodeReplay(std::span<const uint8_t> bytes, Replay& replay);

// Reads at most kMaxReplayBytes; "" or the reason it could not.
std::string readReplayFile(const std::string& path, std::vector<uint8_t>& bytes);
// Writes a temporary file beside path and renames it over path, so a reader
// sees the old file or the new one, never part of one. "" or the reason.
std::string writeReplayFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace kestrway
