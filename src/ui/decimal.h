// Whole numbers as the game shows them: plain decimal, a minus sign when
// negative, no padding. Written into a small buffer so drawing a number
// every frame allocates nothing.
#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

namespace kestrway {

class Decimal {
  public:
    explicit Decimal(int64_t value, std::string_view suffix = {}) {
        char* end = std::to_chars(text_, text_ + 20, value).ptr;
        for (char c : suffix.substr(0, sizeof text_ - static_cast<size_t>(end - text_))) *end++ = c;
        length_ = static_cast<size_t>(end - text_);
    }
    std::string_view view() const { return {text_, length_}; }

  private:
    char text_[24] = {};
    size_t length_ = 0;
};

}  // namespace kestrway
