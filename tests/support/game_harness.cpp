// The whole-game harness over the headless backend.
#include "support/game_harness.h"

#include "game/run_game.h"
#include "game/screens.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/program.h"

namespace kestrway {

GameHarness::GameHarness(const std::filesystem::path& dataFolder, double clockStart)
    : game_(std::make_unique<GameState>()) {
    headless::reset();
    // A hook an earlier run left would point into that run's test.
    setProgramEndHook(nullptr);
    headless::setClockStart(clockStart);
    setDataFolder(dataFolder.string());
}

GameHarness::~GameHarness() {
    headless::reset();
    setProgramEndHook(nullptr);
    setDataFolder("");
}

int32_t GameHarness::run(std::function<void(GameState&)> onPass,
                         std::vector<std::string> arguments) {
    headless::setPassHook([this, onPass] {
        passes_.push_back(PassRecord{headless::virtualSeconds(),
                                     headless::presentedPixel(40, 40) == kTitleBlue,
                                     game_->frameCounter});
        if (onPass) onPass(*game_);
    });
    arguments.insert(arguments.begin(), "kestrway");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    try {
        runGame(*game_, static_cast<int>(argv.size()), argv.data());
    } catch (const headless::ProgramExit& exit) {
        return exit.exitCode;
    }
}

const PassRecord& GameHarness::passAt(double seconds) const {
    for (const PassRecord& pass : passes_) {
        if (pass.seconds >= seconds - 1e-9) return pass;
    }
    return passes_.back();
}

int64_t GameHarness::playFrames() const {
    int64_t frames = 0;
    for (size_t i = 1; i < passes_.size(); ++i)
        frames += passes_[i].frameCounter != passes_[i - 1].frameCounter;
    return frames;
}

void scriptKeyMasher(std::mt19937& random, double seconds, bool quits) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int32_t held[] = {kScanUp, kScanDown, kScanLeft, kScanRight, kScanSpace};
    for (double t = 0.05; t < seconds; t += 0.02 + 0.3 * unit(random)) {
        const double roll = unit(random);
        if (roll < 0.55) {
            const int32_t key = held[random() % 5];
            headless::holdKey(key, t, t + 0.02 + 0.4 * unit(random));
            if (key == kScanUp && unit(random) < 0.5) headless::holdKey(kScanUp, t + 0.5, t + 0.55);
        } else if (roll < 0.85) {
            headless::typeKey(' ', t);
        } else if (roll < 0.95) {
            headless::typeKey(static_cast<uint32_t>(1 + random() % 255), t);
        } else if (roll < 0.985 || !quits) {
            headless::typeKey(extendedKeyCode(kScanUp), t);
        } else if (roll < 0.9985) {
            headless::holdKey(kScanEscape, t, t + 0.02 + 0.1 * unit(random));
        } else {
            headless::pressCloseButton(t);
        }
    }
}

}  // namespace kestrway
