// Prints the C++ fitPicture answer for each "width height" line read from
// standard input, as "width height left top pictureWidth pictureHeight
// wholeScale", for the test that holds the web page's fit to it.
#include <cstdint>
#include <cstdio>

#include "platform/picture_fit.h"

int main() {
    long long width = 0;
    long long height = 0;
    while (std::scanf("%lld %lld", &width, &height) == 2) {
        const kestrway::PictureFit fit =
            kestrway::fitPicture(static_cast<int32_t>(width), static_cast<int32_t>(height));
        std::printf("%lld %lld %d %d %d %d %d\n", width, height, fit.left, fit.top, fit.width,
                    fit.height, fit.wholeScale);
    }
    return 0;
}
