#pragma once
// Two pictures compared pixel for pixel, whatever read them: colours as 0xAARRGGBB, rows from the
// top, alpha ignored.

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

namespace pictures {

// The number of differing pixels, or -1 for pictures of different sizes, said on the error
// stream; `difference` gets the differing pixels in magenta on the actual picture's red darkened.
inline int differingPixels(const std::string& file, const std::uint32_t* actual,
                           const std::uint32_t* expected, std::size_t count, bool sameSize,
                           std::vector<std::uint32_t>& difference) {
    difference.assign(actual, actual + count);
    int differing = sameSize ? 0 : -1;
    for (std::size_t i = 0; differing >= 0 && i < count; ++i) {
        const bool same = (actual[i] ^ expected[i]) << 8 == 0;
        differing += same ? 0 : 1;
        difference[i] = same ? 0xFF000000 | (actual[i] >> 2 & 0x3F0000) : 0xFFFF00FF;
    }
    if (differing != 0) {
        std::cerr << file
                  << (differing < 0 ? " has another size"
                                    : " differs in " + std::to_string(differing) + " pixels")
                  << "; see actual-" << file << " and difference-" << file << '\n';
    }
    return differing;
}

} // namespace pictures
