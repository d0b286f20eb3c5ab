#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

double luminance(std::uint32_t colour) {
    const auto linear = [](std::uint32_t channel) {
        const double value = (channel & 0xFF) / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour >> 16) + 0.7152 * linear(colour >> 8) + 0.0722 * linear(colour);
}

} // namespace

bool readable(std::uint32_t text, std::uint32_t background) {
    const double one = luminance(text);
    const double other = luminance(background);
    return std::max(one, other) + 0.05 >= 3 * (std::min(one, other) + 0.05);
}

} // namespace forms
