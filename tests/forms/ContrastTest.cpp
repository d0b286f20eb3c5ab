// When text reads on a background: a contrast of 3:1 or more, whichever of the two is lighter.

#include "Contrast.h"

#include <gtest/gtest.h>

TEST(Contrast, textReadsFromThreeToOne) {
    const struct {
        const char* name;
        std::uint32_t text, background;
        bool readable;
    } rows[] = {
        {"black on Windows' default title text, black", 0x000000, 0x000000, false},
        {"black on Wine's default, light grey", 0x000000, 0xC0C0C0, true},
        {"white on black", 0xFFFFFF, 0x000000, true},
        {"black on the dark red, just over 3:1", 0x000000, 0xC00000, true},
        {"grey 148 on white, just over 3:1", 0x949494, 0xFFFFFF, true},
        {"grey 150 on white, just under 3:1", 0x969696, 0xFFFFFF, false},
        {"white on grey 150, either way round", 0xFFFFFF, 0x969696, false},
        {"navy on blue", 0x000080, 0x0000FF, false},
        {"green weighs most: black on pure green", 0x000000, 0x00FF00, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(forms::readable(row.text, row.background), row.readable) << row.name;
    }
}
