// The title screen's attract mode: the idle passes that start the demo, the
// keys that stop it (and do nothing else), a bad demo skipped, and a demo
// that leaves the next game exactly as it would have been. Which keys stop a
// demo and which damaged files are refused is checked on the replay code
// itself; here, the keys that would otherwise act on the title (Space and
// Escape) and files that cannot be opened or read.
#include "game/attract_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "support/game_fingerprint.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

namespace fs = std::filesystem;

constexpr double kDemoDue = kAttractPasses * 0.01;
// The first pass to see the demo playing, on an idle title: one pass off
// would be a miscount.
constexpr double kDemoSeen = kDemoDue + 0.01;

bool demoLineShown() {
    for (int32_t y = 176; y < 176 + 16; ++y) {
        for (int32_t x = 528; x < 528 + 32; ++x) {
            if (headless::presentedPixel(x, y) == 0xFFFFFF00) return true;
        }
    }
    return false;
}

// What a run on the title should show: when the demo starts (-1: never),
// passes that show the title and passes that do not, and when the program
// ends.
struct TitleRun {
    double demoAt;
    std::vector<double> title;
    std::vector<double> notTitle;
    double endAt;
};

void expectTitleRun(GameHarness& harness, const TitleRun& want,
                    std::vector<std::string> arguments = {}) {
    double started = -1;
    bool lineSeen = false;
    const auto watch = [&](GameState&) {
        const double now = headless::virtualSeconds();
        const bool playing = demoPlaying();
        if (playing && started < 0) started = now;
        lineSeen = lineSeen || (playing && demoLineShown());
    };
    EXPECT_EQ(harness.run(watch, std::move(arguments)), 0);
    EXPECT_NEAR(headless::virtualSeconds(), want.endAt, 0.05);
    if (want.demoAt < 0) {
        EXPECT_LT(started, 0);
    } else {
        EXPECT_NEAR(started, want.demoAt, 0.005);
        EXPECT_TRUE(lineSeen);
    }
    for (const double at : want.title) EXPECT_TRUE(harness.passAt(at).titleShown) << at;
    for (const double at : want.notTitle) EXPECT_FALSE(harness.passAt(at).titleShown) << at;
}

// Spoils the demo file in a copy of the data folder.
using Spoil = void (*)(const fs::path& demo);

struct TitleCase {
    const char* name;
    std::function<void()> script;  // the close button comes at want.endAt
    TitleRun want;
    Spoil spoil = nullptr;
    std::vector<std::string> arguments = {};
};

// Space typed once a stopping key is up starts a game as usual (and passes
// its Get Ready screen, which ignores the close button); until then, neither
// a game nor the program's end: the title.
void spaceIntoPlay(double at) {
    headless::typeKey(' ', at);
    headless::typeKey(' ', at + 1.0);
}

TEST(AttractMode, TheIdleTitlePlaysTheDemoUntilAKeyAndSkipsABadOne) {
    const double keyAt = kDemoDue + 4;
    // The demo plays until the key and the title is back within 5 passes.
    const TitleRun stoppedAtKey = {kDemoSeen,
                                   {keyAt + 0.05, keyAt + 1.5, keyAt + 2.9},
                                   {keyAt - 0.01, keyAt + 3.5},
                                   keyAt + 5};
    const double spaceAt = 2 * kDemoDue + 5;
    const TitleRun noDemo = {-1, {spaceAt - 0.1}, {spaceAt + 1.5}, spaceAt + 2};
    const fs::path recording = fs::temp_directory_path() / "kestrway-attract-record.krp";
    const TitleCase cases[] = {
        // The close button in the demo ends the program there.
        {"idle", [] {}, {kDemoSeen, {kDemoDue - 0.1}, {kDemoDue + 5}, kDemoDue + 10}},
        // A typed key (not Space) counts the idle passes from the start.
        {"a key typed",
         [] { headless::typeKey('a', 5.0); },
         {kDemoSeen + 5.01, {}, {}, kDemoDue + 10}},
        {"Escape held",
         [] { headless::holdKey(kScanEscape, 5.0, kDemoDue + 20); },
         {-1, {kDemoDue + 9}, {}, kDemoDue + 10}},
        {"Space held, repeating",
         [&] {
             for (const double at : {keyAt, keyAt + 0.5, keyAt + 0.9}) headless::typeKey(' ', at);
             headless::holdKey(kScanSpace, keyAt, keyAt + 1.0);
             spaceIntoPlay(keyAt + 3);
         },
         stoppedAtKey},
        {"Escape held in the demo",
         [&] {
             headless::typeKey(27, keyAt);
             headless::holdKey(kScanEscape, keyAt, keyAt + 1.0);
             spaceIntoPlay(keyAt + 3);
         },
         stoppedAtKey},
        // A recorded run holds only the player's games.
        {"recorded",
         [&] { spaceIntoPlay(spaceAt); },
         noDemo,
         nullptr,
         {"--record", recording.string()}},
        {"demo missing", [&] { spaceIntoPlay(spaceAt); }, noDemo,
         [](const fs::path& demo) { fs::remove(demo); }},
        {"demo truncated", [&] { spaceIntoPlay(spaceAt); }, noDemo,
         [](const fs::path& demo) { fs::resize_file(demo, fs::file_size(demo) / 2); }},
        {"demo a folder", [&] { spaceIntoPlay(spaceAt); }, noDemo,
         [](const fs::path& demo) {
             fs::remove(demo);
             fs::create_directory(demo);
         }},
    };
    const fs::path data = fs::temp_directory_path() / "kestrway-attract-data";
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(data);
        if (c.spoil != nullptr) {
            fs::copy(KESTRWAY_DATA_DIR, data, fs::copy_options::recursive);
            c.spoil(data / "demo" / "demo.krp");
        }
        GameHarness harness(c.spoil != nullptr ? data : fs::path(KESTRWAY_DATA_DIR));
        c.script();
        headless::pressCloseButton(c.want.endAt);
        expectTitleRun(harness, c.want, c.arguments);
    }
    fs::remove_all(data);
    fs::remove(recording);
}

// The first game of a run, from Space at `start` (on the grid of presenter
// passes, as in each run below) after whatever `onTitle` scripts before it:
// driving, firing and passing the still screens, closed in play after 20 s.
// Printed from half a second after Space, once the game's start has reset
// what the demo's last frames left in the record.
RunPrints playNextGame(double start, const std::function<void()>& onTitle = {}) {
    GameHarness harness(KESTRWAY_DATA_DIR, 4242.0);
    if (onTitle) onTitle();
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int32_t held[] = {kScanUp, kScanUp, kScanLeft, kScanRight, kScanSpace, kScanDown};
    headless::typeKey(' ', start);
    for (double t = 0.5; t < 25.0; t += 0.02 + 0.2 * unit(random)) {
        headless::holdKey(held[random() % 6], start + t, start + t + 0.02 + 0.4 * unit(random));
        if (unit(random) < 0.1) headless::typeKey(' ', start + t);
    }
    bool closed = false;
    int32_t lastFrameCounter = -1;
    const auto closeInPlay = [&](GameState& game) {
        // The frame counter moves only in play; the still screens ignore the close
        // button.
        const double now = headless::virtualSeconds();
        if (now > start + 20 && game.frameCounter != lastFrameCounter && !closed) {
            headless::pressCloseButton(now + 0.005);
            closed = true;
        }
        lastFrameCounter = game.frameCounter;
    };
    return printRun(harness, closeInPlay, start + 0.5);
}

TEST(AttractMode, TheNextGameIsTheSameWithOrWithoutADemoBeforeIt) {
    const RunPrints plain = playNextGame(3.005);
    ASSERT_GT(plain.passes.size(), 1900u);
    const auto stopped = [] { headless::typeKey('a', kDemoDue + 6); };
    EXPECT_EQ(firstDifference(playNextGame(kDemoDue + 10.005, stopped), plain), -1);
    EXPECT_EQ(firstDifference(playNextGame(kDemoDue + 40.005), plain), -1) << "the whole demo";
}

}  // namespace
}  // namespace kestrway
