// A fresh headless program with its screen open, for tests of code that draws.
#pragma once

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/screen.h"

namespace kestrway {

class OpenScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        headless::reset();
        openScreen();
    }
    void TearDown() override { headless::reset(); }

    static uint32_t pixel(int32_t x, int32_t y) { return screenPixels()[y * kScreenWidth + x]; }
};

}  // namespace kestrway
