// Records a scripted run on the headless backend into a replay file: a
// player holding Up, steering, firing and pressing Space to start games,
// until the close button ends the program in a game past the given time.
//   kestrway_make_replay SEED SECONDS FILE
// Made bench/data/ten-minutes.krp with seed 7 and 600 seconds.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "platform/headless/headless.h"
#include "platform/input_tap.h"
#include "platform/keyboard.h"
#include "support/game_harness.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kestrway_make_replay SEED SECONDS FILE\n");
        return 2;
    }
    const auto seed = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
    const double seconds = std::strtod(argv[2], nullptr);
    kestrway::GameHarness harness(KESTRWAY_DATA_DIR, 1000.0 + seed);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int32_t held[] = {kestrway::kScanUp, kestrway::kScanUp, kestrway::kScanLeft,
                            kestrway::kScanRight, kestrway::kScanSpace};
    for (double t = 0.05; t < seconds + 60.0; t += 0.02 + 0.25 * unit(random)) {
        if (unit(random) < 0.7) {
            kestrway::headless::holdKey(held[random() % 5], t, t + 0.02 + 0.5 * unit(random));
        } else {
            kestrway::headless::typeKey(' ', t);
        }
    }
    const int32_t status = harness.run(
        [&](kestrway::GameState&) {
            const double now = kestrway::headless::virtualSeconds();
            // The recorder listens only while a game is on.
            if (now > seconds && kestrway::inputTap() != nullptr) {
                kestrway::headless::pressCloseButton(now + 0.005);
            }
        },
        {"--record", argv[3]});
    return status;
}
