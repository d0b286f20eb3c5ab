// What every window's table must hold, whatever front end builds it: controls inside the client
// area and apart, tab indexes 0..n-1, a row of controls visited from left to right, and labels
// on the window's own background.

#include "RowNames.h"
#include "WindowCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

bool sameColour(const forms::Colour& one, const forms::Colour& other) {
    return one.source == other.source && one.rgb == other.rgb && one.system == other.system;
}

class WindowTables : public testing::TestWithParam<WindowCase> {};

TEST_P(WindowTables, holdWhatEveryWindowNeeds) {
    const forms::WindowTable& table = GetParam().table();
    std::vector<int> tabIndexes;
    for (const forms::ControlRow& row : table.controls) {
        EXPECT_TRUE(row.left >= 0 && row.top >= 0 && row.left + row.width <= table.clientWidth &&
                    row.top + row.height <= table.clientHeight)
            << row.name << " lies inside the client area";
        for (const forms::ControlRow& other : table.controls) {
            // A pixel row of overlap is allowed: Help's title reaches into the paragraph below.
            const bool apart = row.left + row.width - 15 <= other.left ||
                               other.left + other.width - 15 <= row.left ||
                               row.top + row.height - 15 <= other.top ||
                               other.top + other.height - 15 <= row.top;
            EXPECT_TRUE(&row == &other || apart) << row.name << " overlaps " << other.name;
            if (row.kind != forms::ControlKind::Label && other.kind != forms::ControlKind::Label &&
                row.top == other.top && row.left < other.left) {
                EXPECT_LT(row.tabIndex, other.tabIndex)
                    << row.name << " comes before " << other.name << " in its row";
            }
        }
        EXPECT_TRUE(row.kind != forms::ControlKind::Label ||
                    sameColour(row.background, table.background))
            << row.name << " shows the window's background";
        tabIndexes.push_back(row.tabIndex);
    }
    std::ranges::sort(tabIndexes);
    for (std::size_t i = 0; i < tabIndexes.size(); ++i) {
        EXPECT_EQ(tabIndexes[i], int(i)) << "tab indexes run 0..n-1";
    }
}

INSTANTIATE_TEST_SUITE_P(rows, WindowTables, testing::ValuesIn(windowCases), ByRowName());

} // namespace
