// Recording, playing back and verifying replays.
#include "game/replay_run.h"

#include <cstdio>
#include <ostream>

#include "game/frame_loop.h"
#include "game/replay_snapshot.h"
#include "game/run_game.h"
#include "platform/command_line.h"
#include "platform/image.h"
#include "platform/program.h"
#include "platform/replay_input.h"
#include "platform/windowless.h"

namespace kestrway {

namespace {

struct Recording {
    std::string path;
    Replay replay;
    InputRecorder recorder;
    std::vector<uint8_t> snapshot;
    bool inGame = false;
    const GameEnd* current = nullptr;
    bool warned = false;
};

// Never destroyed: the program may end from the game thread at any moment.
Recording* gRecording = nullptr;

// Thrown from endProgram while a game is replayed: the game is over, the
// program is not.
struct ReplayedProgramEnd {};

void throwReplayedProgramEnd(int32_t) {
    throw ReplayedProgramEnd{};
}

void addImage(uint32_t& crc, const Image* image) {
    ImageInfo info;
    if (imageInfo(image, info) != ErrorCode::kOk) return;
    for (int32_t y = 0; y < info.height; ++y) {
        crc = crc32({info.pixels + static_cast<ptrdiff_t>(y) * info.pitch,
                     static_cast<size_t>(info.width) * 4},
                    crc);
    }
}

RecordedEnd recordedEnd(const GameEnd& end) {
    return RecordedEnd{end.how, end.stage, end.score, end.frames};
}

void saveRecording() {
    Recording& recording = *gRecording;
    const std::vector<uint8_t> bytes = encodeReplay(recording.replay);
    const std::string problem = writeReplayFile(recording.path, bytes);
    if (!problem.empty() && !recording.warned) {
        recording.warned = true;
        std::fprintf(stderr, "kestrway: the recording is not saved: %s\n", problem.c_str());
    }
}

void finishRecordedGame(const GameEnd& end) {
    Recording& recording = *gRecording;
    setInputTap(nullptr);
    recording.inGame = false;
    recording.replay.games.push_back(
        RecordedGame{recording.snapshot, recording.recorder.finish(), recordedEnd(end)});
    saveRecording();
}

void saveRecordingAtEnd(int32_t) {
    if (gRecording->inGame) {
        GameEnd end = *gRecording->current;
        if (end.how == kKeepPlaying) end.how = kWindowClosed;
        finishRecordedGame(end);
    } else {
        saveRecording();
    }
}

const char* howText(int32_t how) {
    switch (how) {
        case kPlayerDestroyed:
            return "destroyed";
        case kEscapeReleased:
            return "left with Escape";
        case kWindowClosed:
            return "ended the program";
        default:
            return "still playing";
    }
}

std::string endText(const GameEnd& end) {
    return std::string(howText(end.how)) + " at stage " + std::to_string(end.stage) + ", score " +
           std::to_string(end.score) + ", " + std::to_string(end.frames) + " frames";
}

}  // namespace

ReplayHeader replayHeaderFor(const GameState& game) {
    ReplayHeader header;
    header.rulesVersion = kRulesVersion;
    header.gameVersion = programVersion();
    for (const MapChunk& chunk : game.mapChunks)
        header.mapChecksum = crc32(chunk, header.mapChecksum);
    uint32_t pictures = 0;
    for (const ImagePtr& image : game.playerImages) addImage(pictures, image.get());
    for (const ImagePtr& image : game.traffic.pictures) addImage(pictures, image.get());
    for (const ImagePtr& image : game.shots.pictures) addImage(pictures, image.get());
    for (const ImagePtr& image : game.pickupImages) addImage(pictures, image.get());
    addImage(pictures, game.explosions.picture.get());
    addImage(pictures, game.fontImage.get());
    addImage(pictures, game.titleTileImage.get());
    addImage(pictures, game.logoImage.get());
    header.pictureChecksum = pictures;
    return header;
}

void startRecording(const GameState& game, const std::string& path) {
    if (gRecording == nullptr) gRecording = new Recording;
    gRecording->path = path;
    gRecording->replay = Replay{replayHeaderFor(game), {}};
    setProgramEndHook(saveRecordingAtEnd);
    saveRecording();
}

void beginRecordedGame(GameState& game, const GameEnd& progress) {
    if (gRecording == nullptr) return;
    gRecording->snapshot = encodeSnapshot(takeSnapshot(game));
    gRecording->recorder.restart();
    gRecording->current = &progress;
    gRecording->inGame = true;
    setInputTap(&gRecording->recorder);
}

void endRecordedGame(const GameEnd& end) {
    if (gRecording == nullptr || !gRecording->inGame) return;
    finishRecordedGame(end);
}

ReplayOutcome replayGame(GameState& game, const RecordedGame& recorded, GameEnd& end,
                         LiveKeys liveKeys) {
    end = GameEnd{};
    RunSnapshot snapshot;
    if (!decodeSnapshot(recorded.snapshot, snapshot)) return ReplayOutcome::kDesynchronised;
    applySnapshot(snapshot, game);
    InputPlayer player(recorded.input, liveKeys);
    setInputTap(&player);
    const ProgramEndHook previousHook = setProgramEndHook(throwReplayedProgramEnd);
    ReplayOutcome outcome = ReplayOutcome::kEnded;
    try {
        playGame(game, end);
        if (!player.atInputEnd()) outcome = ReplayOutcome::kInputLeftOver;
    } catch (const ReplayedProgramEnd&) {
        // Escape on a still screen or the close button, as when recorded.
        if (end.how == kKeepPlaying) end.how = kWindowClosed;
        if (!player.atInputEnd()) outcome = ReplayOutcome::kInputLeftOver;
    } catch (const ReplayInputEnded& ended) {
        outcome =
            ended.desynchronised ? ReplayOutcome::kDesynchronised : ReplayOutcome::kIncomplete;
    } catch (const ReplayViewerStopped& stopped) {
        outcome = stopped.closeButton ? ReplayOutcome::kCloseButton : ReplayOutcome::kViewerStopped;
    }
    setProgramEndHook(previousHook);
    setInputTap(nullptr);
    return outcome;
}

std::string loadReplay(const GameState& game, const std::string& path, Replay& replay,
                       std::string& warning) {
    std::vector<uint8_t> bytes;
    std::string problem = readReplayFile(path, bytes);
    if (problem.empty()) problem = decodeReplay(bytes, replay);
    if (!problem.empty()) return path + ": " + problem;
    const ReplayHeader here = replayHeaderFor(game);
    if (replay.header.rulesVersion != here.rulesVersion) {
        return path + ": made under rules version " + std::to_string(replay.header.rulesVersion) +
               ", this game plays version " + std::to_string(here.rulesVersion);
    }
    if (replay.header.mapChecksum != here.mapChecksum) {
        return path + ": made with other map chunks, which change play";
    }
    if (replay.header.pictureChecksum != here.pictureChecksum) {
        warning = path + ": made with other pictures; they do not change play";
    }
    return "";
}

int32_t verifyReplay(GameState& game, const std::string& path, std::ostream& out,
                     std::ostream& err) {
    Replay replay;
    std::string warning;
    const std::string problem = loadReplay(game, path, replay, warning);
    if (!problem.empty()) {
        err << "kestrway: " << problem << '\n';
        return 2;
    }
    if (!warning.empty()) err << "kestrway: " << warning << '\n';
    int32_t status = 0;
    for (size_t i = 0; i < replay.games.size(); ++i) {
        const RecordedGame& recorded = replay.games[i];
        GameEnd end;
        const ReplayOutcome outcome = replayGame(game, recorded, end);
        const GameEnd expected{recorded.end.how, recorded.end.stage, recorded.end.score,
                               recorded.end.frames};
        out << "game " << (i + 1) << ": " << endText(end) << ": ";
        if (outcome == ReplayOutcome::kIncomplete) {
            out << "incomplete (the recording ends first)\n";
            status = 1;
        } else if (outcome != ReplayOutcome::kEnded || recordedEnd(end) != recorded.end) {
            out << "differs (recorded: " << endText(expected) << ")\n";
            status = 1;
        } else {
            out << "matches\n";
        }
    }
    out << replay.games.size() << (replay.games.size() == 1 ? " game, " : " games, ")
        << (status == 0 ? "all match" : "not all match") << '\n';
    return status;
}

int32_t runVerification(GameState& game, int argc, char** argv, const std::string& path,
                        std::ostream& out, std::ostream& err) {
    setWindowless(true);
    // Nothing is shown, so the pixels themselves need not be written.
    setPixelsDiscarded(true);
    try {
        startUp(game, argc, argv);
        return verifyReplay(game, path, out, err);
    } catch (const WindowlessEnd& end) {
        // Nothing outside a replayed game ends the program; if something
        // did, it is not a verification.
        err << "kestrway: the program ended outside the replayed games (status " << end.exitCode
            << ")\n";
        return 2;
    }
}

bool playReplay(GameState& game, const std::string& path) {
    Replay replay;
    std::string warning;
    const std::string problem = loadReplay(game, path, replay, warning);
    if (!problem.empty() || !warning.empty()) {
        std::fprintf(stderr, "kestrway: %s\n", problem.empty() ? warning.c_str() : problem.c_str());
    }
    if (!problem.empty()) return false;
    for (const RecordedGame& recorded : replay.games) {
        GameEnd end;
        const ReplayOutcome outcome = replayGame(game, recorded, end);
        if (outcome == ReplayOutcome::kViewerStopped || outcome == ReplayOutcome::kCloseButton) {
            break;
        }
    }
    return true;
}

}  // namespace kestrway
