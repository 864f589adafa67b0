// The SDL audio device and its callback.
#include "platform/sdl/sdl_audio.h"

#include <cstdio>

#include "platform/mixer.h"

namespace kestrway {
namespace {

constexpr int kPreferredRate = 48000;
constexpr int kOtherRate = 44100;

SDL_AudioDeviceID gDevice = 0;
int32_t gRate = 0;

void pullFromMixer(void* /*unused*/, Uint8* stream, int bytes) {
    mixAudio(reinterpret_cast<int16_t*>(stream), bytes / static_cast<int>(sizeof(int16_t)));
}

// The device at 48,000 Hz, or at 44,100 Hz when that is its own rate;
// any other rate SDL converts from 48,000.
SDL_AudioDeviceID openDevice(SDL_AudioSpec& have) {
    SDL_AudioSpec want{};
    want.freq = kPreferredRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kSdlAudioBufferFrames;
    want.callback = pullFromMixer;
    SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device != 0 && (have.freq == kPreferredRate || have.freq == kOtherRate)) return device;
    if (device != 0) SDL_CloseAudioDevice(device);
    return SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
}

}  // namespace

bool openSdlAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "kestrway: no sound (%s)\n", SDL_GetError());
        return false;
    }
    SDL_AudioSpec have{};
    gDevice = openDevice(have);
    if (gDevice == 0) {
        std::fprintf(stderr, "kestrway: no sound (%s)\n", SDL_GetError());
        return false;
    }
    gRate = have.freq;
    // The callback is paused until here, so the mixer starts before it runs.
    startMixer(gRate);
    SDL_PauseAudioDevice(gDevice, 0);
    return true;
}

void audioDeviceRemoved(const SDL_AudioDeviceEvent& event) {
    if (gDevice == 0 || event.iscapture != 0 || event.which != gDevice) return;
    // Waits for a callback in progress (a few hundred microseconds), on the
    // main thread; the game thread only ever posts to the event ring.
    SDL_CloseAudioDevice(gDevice);
    gDevice = 0;
    gRate = 0;
    stopMixer();
    std::fprintf(stderr, "kestrway: the sound device went away; playing on without sound\n");
}

int32_t sdlAudioRate() {
    return gRate;
}

SDL_AudioDeviceID sdlAudioDevice() {
    return gDevice;
}

}  // namespace kestrway
