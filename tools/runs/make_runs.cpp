// Records the title screen's demo and the test recordings with the scripted
// player on the headless backend. Each recording tries the game's seeds in
// a fixed order from its first and keeps the first run that shows
// everything it should, so the same data always gives the same files. (The
// first seeds are where an earlier search succeeded.)
//   kestrway_make_runs DATA_FOLDER demo FILE
//   kestrway_make_runs DATA_FOLDER recordings FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "runs/road_bot.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

constexpr int32_t kSeedsTried = 40;

using Wanted = std::function<bool(const RunTally& total, int32_t games)>;

struct RecordingPlan {
    const char* name;
    uint32_t firstSeed;
    std::vector<GamePlan> games;
    Wanted wanted;
};

bool record(const std::filesystem::path& data, const RecordingPlan& plan,
            const std::filesystem::path& file) {
    const std::filesystem::path attempt = file.string() + ".try";
    for (uint32_t seed = plan.firstSeed; seed < plan.firstSeed + kSeedsTried; ++seed) {
        GameHarness harness(data, 2000.0 + seed);
        RoadBot bot(plan.games);
        harness.run([&](GameState& game) { bot.onPass(game); }, {"--record", attempt.string()});
        const RunTally total = bot.total();
        std::printf(
            "%s seed %u: %d games, stage %d, %d tanks, %d civilians, %d spanners, "
            "%d water passes, %d rockets, %d tower rounds\n",
            plan.name, seed, bot.gamesPlayed(), total.highestStage, total.tanksDestroyed,
            total.civiliansDestroyed, total.spannersTaken, total.waterPasses, total.rocketsSeen,
            total.towerRoundsSeen);
        if (plan.wanted(total, bot.gamesPlayed())) {
            std::filesystem::rename(attempt, file);
            return true;
        }
    }
    std::filesystem::remove(attempt);
    std::fprintf(stderr, "kestrway_make_runs: no seed gave %s what it should show\n", plan.name);
    return false;
}

GamePlan carefulUntil(GameClose close,
                      std::function<bool(const RunTally&, double seconds)> enough) {
    return GamePlan{true, close, std::move(enough)};
}

// A good run: tanks destroyed, a spanner taken and the boat on water.
RecordingPlan demoPlan() {
    const auto shown = [](const RunTally& game) {
        return game.tanksDestroyed >= 3 && game.spannersTaken >= 1 && game.waterPasses > 0;
    };
    return {"demo",
            7,
            {carefulUntil(GameClose::kEscape,
                          [shown](const RunTally& game, double seconds) {
                              return (shown(game) && seconds > 30) || seconds > 100;
                          })},
            [shown](const RunTally& total, int32_t games) { return games == 1 && shown(total); }};
}

std::vector<RecordingPlan> testPlans() {
    std::vector<RecordingPlan> plans;
    // A whole stage and into the next, then Escape.
    plans.push_back({"stage-completed",
                     102,
                     {carefulUntil(GameClose::kEscape,
                                   [](const RunTally& game, double seconds) {
                                       return game.stagesCompleted >= 1 || seconds > 200;
                                   })},
                     [](const RunTally& total, int32_t games) {
                         return games == 1 && total.stagesCompleted >= 1 &&
                                total.tanksDestroyed >= 1 && total.spannersTaken >= 1 &&
                                total.waterPasses > 0 && total.rocketsSeen > 0 &&
                                total.towerRoundsSeen > 0;
                     }});
    // Escape back to the title, a reckless game to Game Over, and a game
    // the close button ends.
    plans.push_back({"three-games",
                     200,
                     {carefulUntil(GameClose::kEscape,
                                   [](const RunTally&, double seconds) { return seconds > 6; }),
                      GamePlan{false, GameClose::kDestroyed, {}},
                      carefulUntil(GameClose::kCloseButton,
                                   [](const RunTally&, double seconds) { return seconds > 12; })},
                     [](const RunTally&, int32_t games) { return games == 2; }});
    // Civilian cars shot as well as tanks.
    plans.push_back(
        {"civilians-shot",
         300,
         {carefulUntil(GameClose::kEscape,
                       [](const RunTally& game, double seconds) {
                           return (game.civiliansDestroyed >= 1 && game.tanksDestroyed >= 1) ||
                                  seconds > 90;
                       })},
         [](const RunTally& total, int32_t games) {
             return games == 1 && total.civiliansDestroyed >= 1 && total.tanksDestroyed >= 1;
         }});
    return plans;
}

}  // namespace
}  // namespace kestrway

int main(int argc, char** argv) {
    using namespace kestrway;
    const std::string mode = argc == 4 ? argv[2] : "";
    if (mode != "demo" && mode != "recordings") {
        std::fprintf(stderr,
                     "usage: kestrway_make_runs DATA_FOLDER demo FILE\n"
                     "       kestrway_make_runs DATA_FOLDER recordings FOLDER\n");
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const std::filesystem::path out = argv[3];
    if (mode == "demo") {
        std::filesystem::create_directories(out.parent_path());
        return record(data, demoPlan(), out) ? 0 : 1;
    }
    std::filesystem::create_directories(out);
    bool made = true;
    for (const RecordingPlan& plan : testPlans()) {
        made = record(data, plan, out / (std::string(plan.name) + ".krp")) && made;
    }
    return made ? 0 : 1;
}
