// Fuzzes the WAV loader through its file front end: every input is written
// to a file and read with loadWavFile, and read from memory with parseWav.
// Both must give the same answer, a clip must be one the game can play (a
// rate in range, at least one sample, no more samples than bytes), and a
// refusal must give a one-line reason (the sanitizers catch any read
// outside the file).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/wav_file.h"

namespace {

std::string gFilePath;

void writeInput(const uint8_t* data, size_t size) {
    std::FILE* out = std::fopen(gFilePath.c_str(), "wb");
    if (out == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
    std::fclose(out);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // RAM when the system has it: one file is written per input.
    std::error_code ignored;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    gFilePath = (base / ("kestrway_fuzz_wav_" + std::to_string(::getpid()) + ".wav")).string();
    std::atexit([] { std::remove(gFilePath.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeInput(data, size);
    std::string fileError;
    const std::optional<kestrway::SoundClip> fromFile = kestrway::loadWavFile(gFilePath, fileError);
    std::string bytesError;
    const std::optional<kestrway::SoundClip> fromBytes =
        kestrway::parseWav({data, size}, bytesError);
    if (fromFile.has_value() != fromBytes.has_value()) std::abort();
    if (!fromFile) {
        if (fileError.empty() || fileError.find('\n') != std::string::npos) std::abort();
        if (fileError != bytesError) std::abort();
        return 0;
    }
    if (fromFile->samples != fromBytes->samples || fromFile->rate != fromBytes->rate) std::abort();
    if (fromFile->samples.empty() || fromFile->samples.size() > size) std::abort();
    if (fromFile->rate < 8000 || fromFile->rate > 192000) std::abort();
    return 0;
}
