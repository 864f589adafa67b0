// The waveOut device and the thread that feeds it: each buffer the device
// hands back is mixed again and queued at once. A device that fails in play
// (unplugged, its driver gone) ends the thread and leaves the game silent.
#include "platform/win32/wave_out.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>

#include "platform/mixer.h"

namespace kestrway {
namespace {

struct WaveOut {
    HWAVEOUT device = nullptr;
    HANDLE bufferDone = nullptr;  // set by the device as it hands a buffer back
    HANDLE stopWanted = nullptr;
    HANDLE thread = nullptr;
    std::array<WAVEHDR, kWaveOutBuffers> headers{};
    std::array<std::array<int16_t, kWaveOutFrames>, kWaveOutBuffers> samples{};
    std::atomic<bool> playing{false};
};

// Never destroyed: the feeding thread may still run while the process ends.
WaveOut& waveOut() {
    static WaveOut* const instance = new WaveOut;
    return *instance;
}

// Mixes one buffer and queues it; false when the device refuses it.
bool queueBuffer(WaveOut& out, WAVEHDR& header, int16_t* samples) {
    mixAudio(samples, kWaveOutFrames);
    header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
    return waveOutWrite(out.device, &header, sizeof header) == MMSYSERR_NOERROR;
}

DWORD WINAPI feedDevice(LPVOID) {
    WaveOut& out = waveOut();
    // The files load here, not on the game thread.
    startMixer(kWaveOutRate);
    bool healthy = true;
    for (size_t i = 0; i < out.headers.size() && healthy; ++i) {
        healthy = queueBuffer(out, out.headers[i], out.samples[i].data());
    }
    const HANDLE waits[] = {out.stopWanted, out.bufferDone};
    while (healthy && WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        for (size_t i = 0; i < out.headers.size() && healthy; ++i) {
            if ((out.headers[i].dwFlags & WHDR_DONE) != 0) {
                healthy = queueBuffer(out, out.headers[i], out.samples[i].data());
            }
        }
    }
    out.playing = false;
    stopMixer();
    if (!healthy)
        std::fprintf(stderr, "kestrway: the sound device failed; playing on without sound\n");
    return 0;
}

void closeDevice(WaveOut& out) {
    if (out.device != nullptr) {
        waveOutReset(out.device);  // every queued buffer comes back
        for (WAVEHDR& header : out.headers) {
            if ((header.dwFlags & WHDR_PREPARED) != 0) {
                waveOutUnprepareHeader(out.device, &header, sizeof header);
            }
        }
        waveOutClose(out.device);
        out.device = nullptr;
    }
    for (HANDLE* handle : {&out.bufferDone, &out.stopWanted, &out.thread}) {
        if (*handle != nullptr) CloseHandle(*handle);
        *handle = nullptr;
    }
}

}  // namespace

bool startWaveOut() {
    WaveOut& out = waveOut();
    if (out.device != nullptr) return out.playing;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kWaveOutRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = kWaveOutRate * 2;
    out.bufferDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    out.stopWanted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (out.bufferDone == nullptr || out.stopWanted == nullptr ||
        waveOutOpen(&out.device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(out.bufferDone),
                    0, CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        out.device = nullptr;
        closeDevice(out);
        return false;
    }
    for (size_t i = 0; i < out.headers.size(); ++i) {
        WAVEHDR& header = out.headers[i];
        header = WAVEHDR{};
        header.lpData = reinterpret_cast<LPSTR>(out.samples[i].data());
        header.dwBufferLength = sizeof out.samples[i];
        if (waveOutPrepareHeader(out.device, &header, sizeof header) != MMSYSERR_NOERROR) {
            closeDevice(out);
            return false;
        }
    }
    out.playing = true;
    out.thread = CreateThread(nullptr, 0, feedDevice, nullptr, 0, nullptr);
    if (out.thread == nullptr) {
        out.playing = false;
        closeDevice(out);
        return false;
    }
    return true;
}

void stopWaveOut() {
    WaveOut& out = waveOut();
    if (out.thread != nullptr) {
        SetEvent(out.stopWanted);
        WaitForSingleObject(out.thread, INFINITE);
    }
    closeDevice(out);
}

bool waveOutPlaying() {
    return waveOut().playing;
}

}  // namespace kestrway
