// When text reads on a background (contrast.txt): a contrast of 3:1 or more, whichever of the two
// is lighter.

#include "Contrast.h"
#include "CaseTable.h"

#include <gtest/gtest.h>

TEST(Contrast, textReadsFromThreeToOne) {
    const auto rgb = [](const std::string& hex) {
        return std::uint32_t(std::stoul(hex, nullptr, 16));
    };
    for (const auto& row : cases::read(BRINTAMO_CASES "/contrast.txt", 4)) {
        EXPECT_EQ(forms::readable(rgb(row[1]), rgb(row[2])), row[3] == "yes") << row[0];
    }
}
