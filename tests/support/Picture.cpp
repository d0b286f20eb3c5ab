#include "Picture.h"

#include <cstdlib>
#include <iostream>

namespace pictures {

Picture Picture::part(int left, int top, int partWidth, int partHeight) const {
    Picture cut{partWidth, partHeight, {}};
    for (int y = top; y < top + partHeight; ++y) {
        const auto row = pixels.begin() + y * width;
        cut.pixels.insert(cut.pixels.end(), row + left, row + left + partWidth);
    }
    return cut;
}

bool matchesReference(const Picture& actual, const std::string& folder, const std::string& name) {
    const std::string file = name + ".png";
    if (std::getenv("BRINTAMO_UPDATE_REFERENCES") != nullptr) {
        return save(actual, folder + '/' + file);
    }
    const Picture expected = load(folder + '/' + file);
    if (expected.width != actual.width || expected.height != actual.height) {
        std::cerr << file << " has another size; see actual-" << file << '\n';
        save(actual, "actual-" + file);
        return false;
    }
    Picture difference = actual;
    int differing = 0;
    for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
        const bool same = (actual.pixels[i] ^ expected.pixels[i]) << 8 == 0;
        differing += same ? 0 : 1;
        difference.pixels[i] = same ? 0xFF000000 | (actual.pixels[i] >> 2 & 0x3F0000) : 0xFFFF00FF;
    }
    if (differing != 0) {
        std::cerr << file << " differs in " << differing << " pixels; see actual-" << file
                  << " and difference-" << file << '\n';
        save(actual, "actual-" + file);
        save(difference, "difference-" + file);
    }
    return differing == 0;
}

} // namespace pictures
