// The wait for a typed Space that ends every still screen.
#pragma once

namespace kestrway {

enum class QuitRule {
    kTitle,         // Escape ends the program on release; so does the close button
    kInterstitial,  // Escape ends the program at once; the close button is ignored
};

void waitForSpace(QuitRule rule);

}  // namespace kestrway
