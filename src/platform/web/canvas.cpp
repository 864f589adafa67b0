// Canvas output through the page's JavaScript.
#include "platform/web/canvas.h"

#include <emscripten/emscripten.h>

#include <memory>

#include "platform/screen.h"
#include "platform/web/canvas_pixels.h"

// The page side, in JavaScript (Emscripten declares these as C functions,
// so they stand outside the namespace).
// The memory never grows (the build fixes its size), so an ImageData over
// it stays valid for the whole run.
EM_JS(void, jsOpenCanvas, (const uint32_t* pixels, int32_t width, int32_t height), {
    const canvas = Module['canvas'];
    Module['kestrwayContext'] = canvas.getContext('2d', {alpha : false});
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    Module['kestrwayImage'] = new ImageData(bytes, width, height);
});

EM_JS(void, jsPutRows, (int32_t first, int32_t count), {
    const image = Module['kestrwayImage'];
    Module['kestrwayContext'].putImageData(image, 0, 0, 0, first, image.width, count);
    if (Module['onFirstPicture']) {
        const notify = Module['onFirstPicture'];
        Module['onFirstPicture'] = null;
        notify();
    }
});

EM_JS(void, jsSetTitle, (const uint8_t* bytes, int32_t length), {
    let title = "";
    for (let i = 0; i < length; ++i) title += String.fromCharCode(HEAPU8[bytes + i]);
    document.title = title;
});

EM_JS(void, jsShowPausedLine, (int32_t shown), {
    if (Module['onPausedLine']) Module['onPausedLine'](shown != 0);
});

EM_JS(void, jsShowSoundLine, (const uint8_t* bytes, int32_t length), {
    let line = "";
    for (let i = 0; i < length; ++i) line += String.fromCharCode(HEAPU8[bytes + i]);
    if (Module['onSoundLine']) Module['onSoundLine'](line);
});

EM_JS(void, jsAnnounceEnd, (int32_t exitCode), {
    if (Module['onGameEnded']) Module['onGameEnded'](exitCode);
});

namespace kestrway::web {
namespace {

struct Canvas {
    std::unique_ptr<uint32_t[]> pixels;
};

Canvas gCanvas;

}  // namespace

void openCanvas() {
    if (!gCanvas.pixels) {
        gCanvas.pixels = std::make_unique<uint32_t[]>(size_t{kScreenWidth} * kScreenHeight);
    }
    jsOpenCanvas(gCanvas.pixels.get(), kScreenWidth, kScreenHeight);
}

void putScreenLines(const uint32_t* page, int32_t first, int32_t last) {
    const size_t offset = static_cast<size_t>(first) * kScreenWidth;
    const int32_t count = last - first + 1;
    screenToCanvasPixels(page + offset, gCanvas.pixels.get() + offset, count * kScreenWidth);
    jsPutRows(first, count);
}

void showPausedLine(bool shown) {
    jsShowPausedLine(shown ? 1 : 0);
}

void showSoundLine(std::string_view line) {
    jsShowSoundLine(reinterpret_cast<const uint8_t*>(line.data()),
                    static_cast<int32_t>(line.size()));
}

void setPageTitle(std::string_view title) {
    jsSetTitle(reinterpret_cast<const uint8_t*>(title.data()), static_cast<int32_t>(title.size()));
}

void announceEnd(int32_t exitCode) {
    jsAnnounceEnd(exitCode);
}

}  // namespace kestrway::web
