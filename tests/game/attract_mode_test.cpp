// The title screen's attract mode: the idle passes that start the demo, the
// keys that stop it (and do nothing else), a bad demo skipped, and a demo
// that leaves the next game exactly as it would have been.
#include "game/attract_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "game/screens.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "support/game_fingerprint.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

namespace fs = std::filesystem;

struct PassEvent {
    int32_t pass;
    bool keyTyped;
    bool escapeDown;
};

struct IdleCase {
    const char* name;
    std::vector<PassEvent> busy;
    std::vector<int32_t> demoAt;  // the passes (from 1) at which the demo starts
};

TEST(AttractMode, TheDemoStartsAtTheTwoThousandthIdlePassInARow) {
    const IdleCase cases[] = {
        {"idle", {}, {2000, 4000, 6000}},
        {"a typed key starts the count again", {{1500, true, false}}, {3500, 5500}},
        {"so does Escape held", {{1999, false, true}, {2000, false, true}}, {4000, 6000}},
        {"a key just after the demo", {{2001, true, false}}, {2000, 4001, 6001}},
    };
    for (const IdleCase& c : cases) {
        IdlePassCounter counter;
        std::vector<int32_t> demoAt;
        for (int32_t pass = 1; pass <= 6001; ++pass) {
            bool typed = false;
            bool escape = false;
            for (const PassEvent& event : c.busy) {
                if (event.pass == pass) {
                    typed = event.keyTyped;
                    escape = event.escapeDown;
                }
            }
            if (counter.pass(typed, escape)) demoAt.push_back(pass);
        }
        EXPECT_EQ(demoAt, c.demoAt) << c.name;
    }
}

constexpr double kDemoDue = kAttractPasses * 0.01;
constexpr int32_t kDemoLineX = 528;
constexpr int32_t kDemoLineY = 176;

// What a run on the title showed of the demo.
struct DemoWatch {
    double started = -1;
    double stopped = -1;
    bool lineSeen = false;
    int32_t exitCode = -1;
    double endedAt = -1;
};

bool demoLineShown() {
    for (int32_t y = kDemoLineY; y < kDemoLineY + 16; ++y) {
        for (int32_t x = kDemoLineX; x < kDemoLineX + 32; ++x) {
            if (headless::presentedPixel(x, y) == 0xFFFFFF00) return true;
        }
    }
    return false;
}

DemoWatch watchTitle(GameHarness& harness, std::vector<std::string> arguments = {}) {
    DemoWatch watch;
    watch.exitCode = harness.run(
        [&](GameState&) {
            const double now = headless::virtualSeconds();
            const bool playing = demoPlaying();
            if (playing && watch.started < 0) watch.started = now;
            if (!playing && watch.started >= 0 && watch.stopped < 0) watch.stopped = now;
            if (playing && demoLineShown()) watch.lineSeen = true;
        },
        std::move(arguments));
    watch.endedAt = headless::virtualSeconds();
    return watch;
}

TEST(AttractMode, TheIdleTitlePlaysTheDemoWithItsLineAndNotUnderRecord) {
    {
        GameHarness harness(KESTRWAY_DATA_DIR);
        headless::pressCloseButton(kDemoDue + 10);
        const DemoWatch watch = watchTitle(harness);
        EXPECT_NEAR(watch.started, kDemoDue, 0.05);
        EXPECT_TRUE(watch.lineSeen);
        EXPECT_FALSE(harness.passAt(kDemoDue + 5).titleShown);
        // The close button in the demo ends the program there.
        EXPECT_EQ(watch.exitCode, 0);
        EXPECT_NEAR(watch.endedAt, kDemoDue + 10, 0.05);
    }
    {
        // A typed key (not Space) counts the idle passes from the start.
        GameHarness harness(KESTRWAY_DATA_DIR);
        headless::typeKey('a', 5.0);
        headless::pressCloseButton(kDemoDue + 10);
        EXPECT_NEAR(watchTitle(harness).started, kDemoDue + 5.0, 0.05);
    }
    {
        // A recorded run holds only the player's games.
        GameHarness harness(KESTRWAY_DATA_DIR);
        const fs::path path = fs::temp_directory_path() / "kestrway-attract-record.krp";
        headless::pressCloseButton(kDemoDue + 10);
        const DemoWatch watch = watchTitle(harness, {"--record", path.string()});
        EXPECT_LT(watch.started, 0);
        EXPECT_TRUE(harness.passAt(kDemoDue + 9).titleShown);
        fs::remove(path);
    }
}

struct StoppingKey {
    const char* name;
    void (*press)(double at);
};

const StoppingKey kStoppingKeys[] = {
    {"Space held, repeating",
     [](double at) {
         headless::typeKey(' ', at);
         headless::holdKey(kScanSpace, at, at + 1.0);
         headless::typeKey(' ', at + 0.5);
         headless::typeKey(' ', at + 0.9);
     }},
    {"Escape held",
     [](double at) {
         headless::typeKey(27, at);
         headless::holdKey(kScanEscape, at, at + 1.0);
     }},
    {"a letter", [](double at) { headless::typeKey('a', at); }},
    {"Up held", [](double at) { headless::holdKey(kScanUp, at, at + 1.0); }},
};

TEST(AttractMode, AKeyBringsTheTitleBackAndDoesNothingElse) {
    const double keyAt = kDemoDue + 4;
    for (const StoppingKey& key : kStoppingKeys) {
        GameHarness harness(KESTRWAY_DATA_DIR);
        key.press(keyAt);
        // Space typed once the key is up starts a game as usual (and passes
        // its Get Ready screen, which ignores the close button).
        headless::typeKey(' ', keyAt + 3);
        headless::typeKey(' ', keyAt + 4);
        headless::pressCloseButton(keyAt + 5);
        const DemoWatch watch = watchTitle(harness);
        EXPECT_NEAR(watch.started, kDemoDue, 0.05) << key.name;
        EXPECT_GE(watch.stopped, keyAt) << key.name;
        EXPECT_LT(watch.stopped, keyAt + 0.05) << key.name;
        // Neither a game nor the program's end: the title, until Space.
        for (const double at : {keyAt + 0.1, keyAt + 1.5, keyAt + 2.9}) {
            EXPECT_TRUE(harness.passAt(at).titleShown) << key.name << " at " << at;
        }
        EXPECT_FALSE(harness.passAt(keyAt + 3.5).titleShown) << key.name;
        EXPECT_EQ(watch.exitCode, 0) << key.name;
        EXPECT_NEAR(watch.endedAt, keyAt + 5, 0.05) << key.name;
    }
}

struct BadDemo {
    const char* name;
    void (*make)(const fs::path& demo);
};

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const BadDemo kBadDemos[] = {
    {"missing", [](const fs::path& demo) { fs::remove(demo); }},
    {"empty", [](const fs::path& demo) { writeBytes(demo, ""); }},
    {"not a replay", [](const fs::path& demo) { writeBytes(demo, std::string(4096, 'x')); }},
    {"truncated", [](const fs::path& demo) { fs::resize_file(demo, fs::file_size(demo) / 2); }},
    {"a byte changed",
     [](const fs::path& demo) {
         std::fstream file(demo, std::ios::binary | std::ios::in | std::ios::out);
         file.seekp(100);
         file.put('\x5A');
     }},
    {"a folder",
     [](const fs::path& demo) {
         fs::remove(demo);
         fs::create_directory(demo);
     }},
};

TEST(AttractMode, ABadDemoIsSkippedAndTheTitleCarriesOn) {
    const fs::path data = fs::temp_directory_path() / "kestrway-attract-data";
    for (const BadDemo& bad : kBadDemos) {
        fs::remove_all(data);
        fs::copy(KESTRWAY_DATA_DIR, data, fs::copy_options::recursive);
        bad.make(data / "demo" / "demo.krp");
        GameHarness harness(data);
        const double spaceAt = 2 * kDemoDue + 5;
        headless::typeKey(' ', spaceAt);
        headless::typeKey(' ', spaceAt + 1.5);
        headless::pressCloseButton(spaceAt + 2);
        const DemoWatch watch = watchTitle(harness);
        EXPECT_LT(watch.started, 0) << bad.name;
        EXPECT_TRUE(harness.passAt(spaceAt - 0.1).titleShown) << bad.name;
        EXPECT_FALSE(harness.passAt(spaceAt + 1).titleShown) << bad.name;
        EXPECT_NEAR(watch.endedAt, spaceAt + 2, 0.05) << bad.name;
    }
    fs::remove_all(data);
}

// One whole scripted game from Space at `start`: driving, firing and
// passing the still screens.
void scriptGame(double start) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int32_t held[] = {kScanUp, kScanUp, kScanLeft, kScanRight, kScanSpace, kScanDown};
    headless::typeKey(' ', start);
    for (double t = 0.5; t < 25.0; t += 0.02 + 0.2 * unit(random)) {
        headless::holdKey(held[random() % 6], start + t, start + t + 0.02 + 0.4 * unit(random));
        if (unit(random) < 0.1) headless::typeKey(' ', start + t);
    }
}

struct NextGame {
    std::vector<uint8_t> finalState;
    int64_t frames = 0;
    int64_t passes = 0;
};

NextGame* gNextGame = nullptr;
GameState* gGame = nullptr;

void fingerprintAtEnd(int32_t) {
    gNextGame->finalState = fingerprint(*gGame);
}

// The first game of a run with Space at `start`, after whatever `onTitle`
// scripts before it.
NextGame playNextGame(double start, void (*onTitle)()) {
    GameHarness harness(KESTRWAY_DATA_DIR, 4242.0);
    if (onTitle != nullptr) onTitle();
    scriptGame(start);
    NextGame next;
    gNextGame = &next;
    gGame = &harness.game();
    bool hooked = false;
    bool closed = false;
    int32_t lastFrameCounter = -1;
    harness.run([&](GameState& game) {
        if (!hooked) setProgramEndHook(fingerprintAtEnd);
        hooked = true;
        const double now = headless::virtualSeconds();
        if (now < start) return;
        ++next.passes;
        const bool inPlay = game.frameCounter != lastFrameCounter;
        next.frames += inPlay;
        lastFrameCounter = game.frameCounter;
        // The close button in play (the still screens ignore it).
        if (now > start + 20 && inPlay && !closed) {
            headless::pressCloseButton(now + 0.005);
            closed = true;
        }
    });
    setProgramEndHook(nullptr);
    return next;
}

TEST(AttractMode, TheNextGameIsTheSameWithOrWithoutADemoBeforeIt) {
    // Space on the grid of presenter passes, as in each run below.
    const NextGame plain = playNextGame(3.005, nullptr);
    ASSERT_GT(plain.frames, 1000);
    const NextGame afterStoppedDemo =
        playNextGame(kDemoDue + 10.005, [] { headless::typeKey('a', kDemoDue + 6); });
    const NextGame afterWholeDemo = playNextGame(kDemoDue + 40.005, nullptr);
    for (const NextGame* next : {&afterStoppedDemo, &afterWholeDemo}) {
        EXPECT_TRUE(next->finalState == plain.finalState);
        EXPECT_EQ(next->frames, plain.frames);
        EXPECT_EQ(next->passes, plain.passes);
    }
}

}  // namespace
}  // namespace kestrway
