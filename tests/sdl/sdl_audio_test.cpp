// The SDL audio device: opened on SDL's dummy driver at a rate the mixer
// takes, refused without a usable driver, and closed to silence when it
// goes away during play.
#include "platform/sdl/sdl_audio.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/mixer.h"
#include "platform/mixer_clips.h"
#include "platform/sound.h"

namespace kestrway {
namespace {

TEST(SdlAudio, OpensWhereADriverWorksAndFallsSilentWhenTheDeviceGoes) {
    ASSERT_EQ(setenv("SDL_AUDIODRIVER", "no_such_driver", 1), 0);
    EXPECT_FALSE(openSdlAudio());
    EXPECT_EQ(sdlAudioDevice(), 0u);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);

    ASSERT_EQ(setenv("SDL_AUDIODRIVER", "dummy", 1), 0);
    ASSERT_TRUE(openSdlAudio());
    const SDL_AudioDeviceID device = sdlAudioDevice();
    EXPECT_NE(device, 0u);
    EXPECT_TRUE(sdlAudioRate() == 48000 || sdlAudioRate() == 44100) << sdlAudioRate();
    EXPECT_EQ(SDL_GetAudioDeviceStatus(device), SDL_AUDIO_PLAYING);
    // A shot to play, swapped in while the callback cannot run.
    SoundClips clips;
    clips[static_cast<size_t>(SoundEffect::Shot)] = SoundClip{std::vector<int16_t>(10, 900), 48000};
    SDL_LockAudioDevice(device);
    startMixerWithClips(sdlAudioRate(), clips);
    SDL_UnlockAudioDevice(device);

    SDL_AudioDeviceEvent removed{};
    removed.type = SDL_AUDIODEVICEREMOVED;
    removed.which = device + 1;  // another device: ours plays on
    audioDeviceRemoved(removed);
    EXPECT_EQ(sdlAudioDevice(), device);
    removed.which = device;
    audioDeviceRemoved(removed);
    EXPECT_EQ(sdlAudioDevice(), 0u);
    EXPECT_EQ(sdlAudioRate(), 0);
    EXPECT_EQ(SDL_GetAudioDeviceStatus(device), SDL_AUDIO_STOPPED);

    // The mixer was stopped with it: a shot raised now is silence.
    playSound(SoundEffect::Shot);
    std::vector<int16_t> out(10, 1);
    mixAudio(out.data(), 10);
    EXPECT_EQ(out, std::vector<int16_t>(10, 0));
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace kestrway
