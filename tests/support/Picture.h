#pragma once
// What a window shows, as pixels, and its comparison with a reference PNG, pixel for pixel. Each
// front end only loads and saves the files (load and save, over Qt or GDI+). On a mismatch the
// actual picture and a difference picture (differing pixels in magenta) are written to the
// working folder; BRINTAMO_UPDATE_REFERENCES=1 rewrites the reference instead
// (scripts/update-references.sh); review its diff like code.

#include <cstdint>
#include <string>
#include <vector>

namespace pictures {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, rows from the top

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y * width + x)] & 0xFFFFFF; }
    Picture part(int left, int top, int width, int height) const;
};

// An empty picture when the file cannot be read.
Picture load(const std::string& file);
bool save(const Picture& picture, const std::string& file);

bool matchesReference(const Picture& actual, const std::string& folder, const std::string& name);

} // namespace pictures
