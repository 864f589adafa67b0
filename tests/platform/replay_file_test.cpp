// Replay files and their input streams: what is written reads back, and
// anything else (cut short, damaged, another version, hostile lengths) is
// refused with a reason. Also the command line. Random input streams are the
// replay fuzzer's.
#include "platform/replay_file.h"

#include <gtest/gtest.h>

#include "platform/replay_input.h"
#include "platform/replay_options.h"
#include "platform/varint.h"

namespace kestrway {
namespace {

// The end mark after `skipped` reads that stored nothing.
std::vector<uint8_t> inputEnding(uint64_t skipped) {
    std::vector<uint8_t> input;
    appendVarint(input, skipped * 4 + 2);
    return input;
}

Replay sampleReplay() {
    Replay replay;
    replay.header = ReplayHeader{kReplayFormatVersion, 1, "0.1", 0x12345678u, 0x9ABCDEF0u};
    InputRecorder recorder;
    recorder.keyState(kScanSpace, -1);
    replay.games.push_back(
        RecordedGame{{1, 2, 3}, recorder.finish(), RecordedEnd{2, 3, -40, 4521}});
    replay.games.push_back(RecordedGame{{}, inputEnding(5), RecordedEnd{1, 1, 0, 0}});
    return replay;
}

// The body changed and the checksum made right again, as a hostile file would.
std::vector<uint8_t> resealed(std::vector<uint8_t> bytes) {
    bytes.resize(bytes.size() - 4);
    const uint32_t crc = crc32(bytes);
    for (int32_t shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(crc >> shift));
    return bytes;
}

TEST(ReplayFile, ReadsBackWhatWasWrittenAndRefusesEveryDamagedCopy) {
    const Replay original = sampleReplay();
    const std::vector<uint8_t> bytes = encodeReplay(original);
    Replay read;
    ASSERT_EQ(decodeReplay(bytes, read), "");
    EXPECT_EQ(read, original);

    for (size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_NE(decodeReplay(std::span(bytes).first(length), read), "") << length;
    }
    for (size_t bit = 0; bit < bytes.size() * 8; ++bit) {
        std::vector<uint8_t> flipped = bytes;
        flipped[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
        EXPECT_NE(decodeReplay(flipped, read), "") << bit;
    }
}

TEST(ReplayFile, HostileHeadersAndLengthsAreRefusedWithAReason) {
    const std::vector<uint8_t> good = encodeReplay(sampleReplay());
    struct Case {
        const char* what;
        size_t at;
        std::vector<uint8_t> bytes;  // written over the file from `at`
        const char* reason;
    };
    // Offsets: magic 0-7, format 8, rules 9, version text 10-13, checksums
    // 14-21, game count 22, first snapshot's length 23.
    const Case cases[] = {
        {"a newer format", 8, {2}, "format 2"},
        {"a game count beyond the file", 22, {0xFF, 0xFF, 0x03}, "game count"},
        {"a snapshot longer than the file", 23, {0x7F}, "game record"},
        {"a version text too long to be one", 10, {0xFF, 0x7F}, "header"},
    };
    Replay read;
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<ptrdiff_t>(c.at));
        const std::string reason = decodeReplay(resealed(bytes), read);
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.what << ": " << reason;
    }
    std::vector<uint8_t> longer = good;
    longer.insert(longer.end() - 4, uint8_t{0});
    EXPECT_EQ(decodeReplay(resealed(longer), read), "unexpected bytes after the last game");

    // A few bytes must not ask for more than a day and a half of play.
    Replay endless = sampleReplay();
    endless.games[1].input = inputEnding(kMaxRecordedReads + 1);
    EXPECT_EQ(decodeReplay(encodeReplay(endless), read), "damaged or overlong game input");
    endless.games[1].input = inputEnding(kMaxRecordedReads);
    EXPECT_EQ(decodeReplay(encodeReplay(endless), read), "");
}

TEST(ReplayInput, AnswersComeBackReadByReadAndEndWhereTheRecordingDid) {
    InputRecorder recorder;
    std::string key;
    const int32_t answers[] = {0, -1, -1, -1, 0, 0, -1};
    for (const int32_t live : answers) recorder.keyState(kScanUp, live);
    key = " ";
    recorder.typedKey(key);
    key.clear();
    recorder.typedKey(key);
    key = CloseKey;
    recorder.typedKey(key);
    const std::vector<uint8_t> input = recorder.finish();
    // Only changes and typed keys are stored: three changes of two bytes,
    // Space in two, the close code in four, and the end mark.
    EXPECT_EQ(input.size(), 13u);

    InputPlayer player(input);
    for (const int32_t expected : answers) EXPECT_EQ(player.keyState(kScanUp, 0), expected);
    for (const std::string_view expected :
         {std::string_view(" "), std::string_view(""), CloseKey}) {
        key.assign(1, 'x');
        player.typedKey(key);
        EXPECT_EQ(key, expected);
    }
    EXPECT_TRUE(player.atInputEnd());
    try {
        player.keyState(kScanUp, 0);
        ADD_FAILURE() << "read past the end";
    } catch (const ReplayInputEnded& ended) {
        EXPECT_FALSE(ended.desynchronised);
    }
    // The viewer's own Escape stops playback instead of reaching the game.
    InputPlayer watched(input);
    EXPECT_THROW(watched.keyState(kScanEscape, -1), ReplayViewerStopped);
}

enum class Live { kPlaysOn, kStops, kClosesTheGame };

TEST(ReplayInput, LiveKeysStopAViewerOnEscapeAndADemoOnAnyKey) {
    InputRecorder recorder;
    recorder.keyState(kScanUp, -1);
    std::string none;
    recorder.typedKey(none);
    const std::vector<uint8_t> input = recorder.finish();
    const std::string close(CloseKey);
    const struct {
        LiveKeys mode;
        int32_t heldScanCode;  // -1: the read is of the typed keys
        std::string typed;
        Live outcome;
    } cases[] = {
        {LiveKeys::kViewer, kScanUp, "", Live::kPlaysOn},
        {LiveKeys::kViewer, kScanEscape, "", Live::kStops},
        {LiveKeys::kViewer, -1, "x", Live::kPlaysOn},
        {LiveKeys::kViewer, -1, close, Live::kClosesTheGame},
        {LiveKeys::kDemo, kScanUp, "", Live::kStops},
        {LiveKeys::kDemo, kScanEscape, "", Live::kStops},
        {LiveKeys::kDemo, -1, "x", Live::kStops},
        {LiveKeys::kDemo, -1, close, Live::kClosesTheGame},
        {LiveKeys::kDemo, -1, "", Live::kPlaysOn},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.mode) << " " << c.heldScanCode << " " << c.typed.size());
        InputPlayer player(input, c.mode);
        Live outcome = Live::kPlaysOn;
        try {
            if (c.heldScanCode >= 0) {
                // The recording's own answer comes back when nothing stops it.
                EXPECT_EQ(player.keyState(c.heldScanCode, -1), -1);
            } else {
                player.keyState(kScanUp, 0);
                std::string key = c.typed;
                player.typedKey(key);
                EXPECT_EQ(key, "");
            }
        } catch (const ReplayViewerStopped& stop) {
            outcome = stop.closeButton ? Live::kClosesTheGame : Live::kStops;
        } catch (const ReplayInputEnded&) {
            ADD_FAILURE() << "read out of step";
        }
        EXPECT_EQ(outcome, c.outcome);
    }
}

TEST(ReplayOptions, OneModeWithItsFileOrOneLineSayingWhatIsWrong) {
    struct Case {
        std::vector<std::string> arguments;
        ReplayMode mode;
        const char* problem;
        bool mute = false;
    };
    const Case cases[] = {
        {{}, ReplayMode::kNone, ""},
        {{"--record", "a.krp"}, ReplayMode::kRecord, ""},
        {{"--play", "a b.krp"}, ReplayMode::kPlay, ""},
        {{"--verify", "--x"}, ReplayMode::kVerify, ""},
        {{"--verify"}, ReplayMode::kNone, "--verify needs a FILE"},
        {{"--play", ""}, ReplayMode::kNone, "--play needs a FILE"},
        {{"--play", "a", "--verify", "b"}, ReplayMode::kNone, "one of --record"},
        {{"--fullscreen"}, ReplayMode::kNone, "unknown option '--fullscreen'"},
        {{"a.krp"}, ReplayMode::kNone, "unknown option 'a.krp'"},
        {{"--mute"}, ReplayMode::kNone, "", true},
        {{"--record", "a.krp", "--mute"}, ReplayMode::kRecord, "", true},
        {{"--mute", "--play", "--mute"}, ReplayMode::kPlay, "", true},
        {{"--record", "--mute", "a.krp"}, ReplayMode::kNone, "unknown option 'a.krp'"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.begin(), "kestrway");
        ReplayOptions options;
        const std::string problem = readReplayOptions(arguments, options);
        EXPECT_EQ(problem.substr(0, std::string(c.problem).size()), c.problem) << problem;
        EXPECT_EQ(problem.empty(), std::string(c.problem).empty()) << problem;
        if (problem.empty()) {
            EXPECT_EQ(options.mode, c.mode);
            EXPECT_EQ(options.mute, c.mute);
        }
    }
}

}  // namespace
}  // namespace kestrway
