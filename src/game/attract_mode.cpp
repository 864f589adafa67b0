// Playing the demo from the title screen: the recorded games run through the
// replay code with any live key stopping them, and the run's own state
// (random generator, counters, scores) is restored afterwards.
#include "game/attract_mode.h"

#include <cstdio>
#include <string>

#include "game/replay_run.h"
#include "game/replay_snapshot.h"
#include "platform/files.h"
#include "ui/demo_line.h"

namespace kestrway {

namespace {

bool gAttractMode = false;
bool gDemoPlaying = false;
// A bad demo is said once a run, not every time the title idles.
bool gWarned = false;

}  // namespace

bool IdlePassCounter::pass(bool keyTyped, bool escapeDown) {
    if (keyTyped || escapeDown) {
        idle_ = 0;
        return false;
    }
    if (++idle_ < kAttractPasses) return false;
    idle_ = 0;
    return true;
}

void setAttractMode(bool on) {
    gAttractMode = on;
}

bool attractMode() {
    return gAttractMode;
}

bool demoPlaying() {
    return gDemoPlaying;
}

DemoEnd playDemo(GameState& game) {
    Replay demo;
    std::string warning;
    const std::string problem = loadReplay(game, hostPath(kDemoFile), demo, warning);
    if (!problem.empty() || demo.games.empty()) {
        if (!gWarned) {
            gWarned = true;
            std::fprintf(stderr, "kestrway: no demo: %s\n",
                         problem.empty() ? "the file holds no game" : problem.c_str());
        }
        return DemoEnd::kSkipped;
    }
    const RunSnapshot before = takeSnapshot(game);
    showDemoLine(true);
    gDemoPlaying = true;
    DemoEnd result = DemoEnd::kFinished;
    for (const RecordedGame& recorded : demo.games) {
        GameEnd end;
        const ReplayOutcome outcome = replayGame(game, recorded, end, LiveKeys::kDemo);
        if (outcome == ReplayOutcome::kCloseButton) {
            result = DemoEnd::kCloseButton;
            break;
        }
        if (outcome == ReplayOutcome::kViewerStopped) {
            result = DemoEnd::kKeyPressed;
            break;
        }
        // A demo that does not play as recorded just ends there.
        if (outcome != ReplayOutcome::kEnded) break;
    }
    showDemoLine(false);
    gDemoPlaying = false;
    applySnapshot(before, game);
    return result;
}

}  // namespace kestrway
