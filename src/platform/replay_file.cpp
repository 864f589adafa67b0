// Encoding, bounded decoding and atomic writing of replay files.
#include "platform/replay_file.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/file_open.h"
#include "platform/host_path.h"
#include "platform/replay_input.h"
#include "platform/varint.h"

namespace kestrway {

namespace {

constexpr std::array<uint8_t, 8> kMagic = {'K', 'S', 'T', 'R', 'P', 'L', 'Y', 0x1A};
constexpr uint64_t kMaxVersionText = 64;
constexpr uint64_t kMaxSnapshotBytes = 64 * 1024;
// The smallest game: empty snapshot and input lengths and four end numbers.
constexpr uint64_t kMinGameBytes = 6;

std::array<uint32_t, 256> makeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int32_t k = 0; k < 8; ++k) c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void appendWord(std::vector<uint8_t>& out, uint32_t word) {
    for (int32_t shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(word >> shift));
}

// Signed numbers as zigzag varints: small magnitudes stay small.
void appendSigned(std::vector<uint8_t>& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    appendVarint(out, (bits << 1) ^ (value < 0 ? 0xFFFFFFFFu : 0u));
}

void appendBlock(std::vector<uint8_t>& out, std::span<const uint8_t> block) {
    appendVarint(out, block.size());
    out.insert(out.end(), block.begin(), block.end());
}

// A cursor over the file's bytes that refuses to read past their end.
struct Reader {
    std::span<const uint8_t> bytes;
    size_t position = 0;

    bool number(uint64_t& value, uint64_t limit) {
        return readVarint(bytes, position, value) && value <= limit;
    }
    bool word(uint32_t& value) {
        if (bytes.size() - position < 4) return false;
        value = 0;
        for (int32_t i = 0; i < 4; ++i) value |= uint32_t{bytes[position++]} << (8 * i);
        return true;
    }
    bool signedNumber(int32_t& value) {
        uint64_t raw = 0;
        if (!number(raw, 0xFFFFFFFFu)) return false;
        const auto zigzag = static_cast<uint32_t>(raw);
        value = static_cast<int32_t>((zigzag >> 1) ^ (0u - (zigzag & 1u)));
        return true;
    }
    bool block(std::vector<uint8_t>& out, uint64_t limit) {
        uint64_t size = 0;
        if (!number(size, limit) || size > bytes.size() - position) return false;
        out.assign(bytes.begin() + static_cast<ptrdiff_t>(position),
                   bytes.begin() + static_cast<ptrdiff_t>(position + size));
        position += static_cast<size_t>(size);
        return true;
    }
};

}  // namespace

uint32_t crc32(std::span<const uint8_t> bytes, uint32_t crc) {
    static const std::array<uint32_t, 256> table = makeCrcTable();
    crc = ~crc;
    for (const uint8_t byte : bytes) crc = table[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::vector<uint8_t> encodeReplay(const Replay& replay) {
    std::vector<uint8_t> out(kMagic.begin(), kMagic.end());
    appendVarint(out, replay.header.formatVersion);
    appendVarint(out, replay.header.rulesVersion);
    appendBlock(out, {reinterpret_cast<const uint8_t*>(replay.header.gameVersion.data()),
                      replay.header.gameVersion.size()});
    appendWord(out, replay.header.mapChecksum);
    appendWord(out, replay.header.pictureChecksum);
    appendVarint(out, replay.games.size());
    for (const RecordedGame& game : replay.games) {
        appendBlock(out, game.snapshot);
        appendBlock(out, game.input);
        appendSigned(out, game.end.how);
        appendSigned(out, game.end.stage);
        appendSigned(out, game.end.score);
        appendSigned(out, game.end.frames);
    }
    appendWord(out, crc32(out));
    return out;
}

std::string decodeReplay(std::span<const uint8_t> bytes, Replay& replay) {
    replay = Replay{};
    if (bytes.size() < kMagic.size() + 4 ||
        !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        return "not a Kestrway replay";
    }
    const std::span<const uint8_t> body = bytes.first(bytes.size() - 4);
    Reader checksum{bytes, body.size()};
    uint32_t stored = 0;
    checksum.word(stored);
    if (crc32(body) != stored) return "damaged (its checksum does not match)";

    Reader in{body, kMagic.size()};
    uint64_t format = 0;
    uint64_t rules = 0;
    std::vector<uint8_t> version;
    if (!in.number(format, 0xFFFFFFFFu)) return "damaged header";
    if (format != kReplayFormatVersion) {
        return "made in replay format " + std::to_string(format) + ", this game reads format " +
               std::to_string(kReplayFormatVersion);
    }
    if (!in.number(rules, 0xFFFFFFFFu) || !in.block(version, kMaxVersionText) ||
        !in.word(replay.header.mapChecksum) || !in.word(replay.header.pictureChecksum)) {
        return "damaged header";
    }
    replay.header.formatVersion = static_cast<uint32_t>(format);
    replay.header.rulesVersion = static_cast<uint32_t>(rules);
    replay.header.gameVersion.assign(version.begin(), version.end());
    uint64_t gameCount = 0;
    if (!in.number(gameCount, (body.size() - in.position) / kMinGameBytes)) {
        return "damaged game count";
    }
    replay.games.resize(static_cast<size_t>(gameCount));
    for (RecordedGame& game : replay.games) {
        if (!in.block(game.snapshot, kMaxSnapshotBytes) || !in.block(game.input, kMaxReplayBytes) ||
            !in.signedNumber(game.end.how) || !in.signedNumber(game.end.stage) ||
            !in.signedNumber(game.end.score) || !in.signedNumber(game.end.frames)) {
            replay.games.clear();
            return "damaged game record";
        }
        uint64_t reads = 0;
        if (!inputWellFormed(game.input, reads)) {
            replay.games.clear();
            return "damaged or overlong game input";
        }
    }
    if (in.position != body.size()) return "unexpected bytes after the last game";
    return "";
}

std::string readReplayFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    BoundedFile opened = openBoundedFile(path, static_cast<int64_t>(kMaxReplayBytes));
    if (opened.result == ErrorCode::kFileNotFound) return "no such file";
    if (opened.result != ErrorCode::kOk) return "not a readable file of at most 64 MiB";
    bytes.resize(static_cast<size_t>(opened.size));
    if (std::fread(bytes.data(), 1, bytes.size(), opened.file.get()) != bytes.size()) {
        return "could not be read";
    }
    return "";
}

std::string writeReplayFile(const std::string& path, std::span<const uint8_t> bytes) {
    const std::string temporary = path + ".part";
    bool written = false;
    {
        std::ofstream file(pathFromUtf8(temporary), std::ios::binary | std::ios::trunc);
        if (!file) return "cannot create " + temporary;
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        written = !file.fail();
    }
    std::error_code error;
    if (!written) {
        std::filesystem::remove(pathFromUtf8(temporary), error);
        return "cannot write " + temporary;
    }
    std::filesystem::rename(pathFromUtf8(temporary), pathFromUtf8(path), error);
    if (error) {
        std::filesystem::remove(pathFromUtf8(temporary), error);
        return "cannot replace " + path;
    }
    return "";
}

}  // namespace kestrway
