// The compact record of a game's keyboard reads: a stream of events, each a
// varint of (reads skipped since the last event x 4 + kind) and its value.
#include "platform/replay_input.h"

#include "platform/varint.h"

namespace kestrway {

namespace {

constexpr uint32_t kKeyToggled = 0;  // value: one byte, the scan code
constexpr uint32_t kKeyTyped = 1;    // value: a varint, the typed key's code
constexpr uint32_t kInputEnd = 2;    // no value
constexpr size_t kRecorderRoom = size_t{4} << 20;

uint32_t codeOf(const std::string& key) {
    if (key.empty()) return 0;
    const auto first = static_cast<uint8_t>(key[0]);
    if (key.size() == 1) return first;
    return first + 256u * static_cast<uint8_t>(key[1]);
}

void keyOf(uint32_t code, std::string& key) {
    key.clear();
    if (code == 0) return;
    key.push_back(static_cast<char>(code & 255u));
    if (code > 255) key.push_back(static_cast<char>((code / 256u) & 255u));
}

}  // namespace

InputRecorder::InputRecorder() {
    bytes_.reserve(kRecorderRoom);
}

void InputRecorder::restart() {
    bytes_.clear();
    lastAnswer_.fill(0);
    readsSinceEvent_ = 0;
}

std::vector<uint8_t> InputRecorder::finish() {
    event(kInputEnd, 0);
    std::vector<uint8_t> recorded(bytes_.begin(), bytes_.end());
    restart();
    return recorded;
}

void InputRecorder::event(uint32_t kind, uint32_t value) {
    appendVarint(bytes_, readsSinceEvent_ * 4 + kind);
    if (kind == kKeyToggled) bytes_.push_back(static_cast<uint8_t>(value));
    if (kind == kKeyTyped) appendVarint(bytes_, value);
    readsSinceEvent_ = 0;
}

int32_t InputRecorder::keyState(int32_t scanCode, int32_t live) {
    if (scanCode >= 0 && scanCode < kKeyStateCount &&
        lastAnswer_[static_cast<size_t>(scanCode)] != live) {
        lastAnswer_[static_cast<size_t>(scanCode)] = static_cast<int8_t>(live);
        event(kKeyToggled, static_cast<uint32_t>(scanCode));
    } else {
        ++readsSinceEvent_;
    }
    return live;
}

void InputRecorder::typedKey(std::string& key) {
    if (key.empty()) {
        ++readsSinceEvent_;
    } else {
        event(kKeyTyped, codeOf(key));
    }
}

bool inputWellFormed(std::span<const uint8_t> input, uint64_t& reads) {
    reads = 0;
    size_t position = 0;
    for (;;) {
        uint64_t head = 0;
        if (!readVarint(input, position, head)) return false;
        const uint64_t skipped = head / 4;
        if (skipped > kMaxRecordedReads - reads) return false;
        reads += skipped;
        switch (head % 4) {
            case kKeyToggled:
                if (position >= input.size() || input[position++] >= kKeyStateCount) return false;
                break;
            case kKeyTyped: {
                uint64_t code = 0;
                if (!readVarint(input, position, code) || code == 0 || code > 0xFFFF) return false;
                break;
            }
            case kInputEnd:
                return position == input.size();
            default:
                return false;
        }
        if (++reads > kMaxRecordedReads) return false;
    }
}

InputPlayer::InputPlayer(std::span<const uint8_t> input, LiveKeys liveKeys)
    : input_(input), liveKeys_(liveKeys) {}

bool InputPlayer::loadNextEvent() {
    uint64_t head = 0;
    if (!readVarint(input_, position_, head)) return false;
    eventKind_ = static_cast<uint32_t>(head % 4);
    const uint64_t skipped = head / 4;
    eventRead_ = read_ + skipped;
    if (eventRead_ < read_) return false;  // wrapped: no game reads that often
    eventValue_ = 0;
    if (eventKind_ == kKeyToggled) {
        if (position_ >= input_.size() || input_[position_] >= kKeyStateCount) return false;
        eventValue_ = input_[position_++];
    } else if (eventKind_ == kKeyTyped) {
        uint64_t code = 0;
        if (!readVarint(input_, position_, code) || code == 0 || code > 0xFFFF) return false;
        eventValue_ = static_cast<uint32_t>(code);
    } else if (eventKind_ != kInputEnd) {
        return false;
    }
    haveEvent_ = true;
    return true;
}

bool InputPlayer::atInputEnd() {
    if (!haveEvent_ && !loadNextEvent()) return false;
    return eventKind_ == kInputEnd && eventRead_ == read_;
}

void InputPlayer::fail(bool desynchronised) const {
    throw ReplayInputEnded{desynchronised, read_};
}

int32_t InputPlayer::keyState(int32_t scanCode, int32_t live) {
    if (live != 0 && (scanCode == kScanEscape || liveKeys_ == LiveKeys::kDemo)) {
        throw ReplayViewerStopped{};
    }
    if (!haveEvent_ && !loadNextEvent()) fail(true);
    if (eventRead_ == read_) {
        if (eventKind_ == kInputEnd) fail(false);
        if (eventKind_ != kKeyToggled || eventValue_ != static_cast<uint32_t>(scanCode)) fail(true);
        answer_[eventValue_] = static_cast<int8_t>(answer_[eventValue_] != 0 ? 0 : -1);
        haveEvent_ = false;
    }
    ++read_;
    if (scanCode < 0 || scanCode >= kKeyStateCount) return 0;
    return answer_[static_cast<size_t>(scanCode)];
}

void InputPlayer::typedKey(std::string& key) {
    if (key == CloseKey) throw ReplayViewerStopped{true};
    if (liveKeys_ == LiveKeys::kDemo && !key.empty()) throw ReplayViewerStopped{};
    if (!haveEvent_ && !loadNextEvent()) fail(true);
    uint32_t code = 0;
    if (eventRead_ == read_) {
        if (eventKind_ == kInputEnd) fail(false);
        if (eventKind_ != kKeyTyped) fail(true);
        code = eventValue_;
        haveEvent_ = false;
    }
    ++read_;
    keyOf(code, key);
}

}  // namespace kestrway
