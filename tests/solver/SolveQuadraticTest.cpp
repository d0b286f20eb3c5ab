// The root calculation: what it shows for each case of solve-cases.txt, under a decimal point and
// a decimal comma.

#include "SolveQuadratic.h"
#include "CaseTable.h"
#include "LocaleNumbers.h"
#include "LocaleRows.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::string name, a, b, c;
    std::string shown; // both roots, or the outcome and any first root kept
};

std::string shown(const SolveOutcome& outcome) {
    static const char* const kinds[] = {"MissingInput", "NoRealRoots", "", "Failed"};
    std::string words = kinds[int(outcome.kind)];
    for (const auto& root : {outcome.firstRoot, outcome.secondRoot}) {
        words += root ? (words.empty() ? "" : " ") + *root : "";
    }
    return words;
}

class SolveQuadraticTest : public testing::TestWithParam<std::tuple<Case, bool>> {};

TEST_P(SolveQuadraticTest, showsWhatTheCaseNeeds) {
    const auto& [row, comma] = GetParam();
    const auto numbers = localeNumbers(comma);
    EXPECT_EQ(shown(solveQuadratic(inLocale(row.a, comma), inLocale(row.b, comma),
                                   inLocale(row.c, comma), *numbers)),
              inLocale(row.shown, comma));
}

INSTANTIATE_TEST_SUITE_P(
    rows, SolveQuadraticTest,
    testing::Combine(testing::ValuesIn(cases::rowsOf<Case, 5>(BRINTAMO_CASES "/solve-cases.txt")),
                     testing::Bool()),
    ByRowAndLocale());

} // namespace
