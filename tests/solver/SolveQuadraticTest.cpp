// The root calculation: what it shows for each case, under a decimal point and a decimal comma.

#include "SolveQuadratic.h"
#include "LocaleNumbers.h"
#include "LocaleRows.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::string a, b, c;
    std::string shown; // both roots, or the outcome and any first root kept
};

const std::string ones(1 << 20, '1');
const Case cases[] = {
    {"worked example", "1", "14", "45", "-5 -9"},
    {"irrational roots", "1", "0", "-2", "1.41 -1.41"},
    {"half a cent from inexact decimals", "0.8", "-3.5", "1.2", "4 0.38"},
    {"no real roots", "1", "0", "1", "NoRealRoots"},
    {"a = 0", "0", "2", "1", "Failed"},
    {"b not a number", "1", "x", "1", "Failed"},
    {"a single blank", " ", "1", "1", "Failed"},
    {"empty a, others not numbers", "", "x", "y", "MissingInput"},
    {"empty c", "x", "1", "", "MissingInput"},
    {"discriminant overflows", "1", "1e200", "1", "Failed"},
    {"only the difference overflows", "1", "1e154", "-2.5e307", "Failed"},
    {"4a overflows", "1e308", "1", "0", "Failed"},
    {"4a just inside the range", "4e307", "0", "-1", "0 0"},
    {"first root beyond range", "1e-307", "-1", "0", "Failed"},
    {"second root beyond range", "1e-307", "1", "0", "Failed 0"},
    {"cancelling root", "0.00000001", "100000000", "50000000", "-0.5 -1E+16"},
    {"cancelling root, b < 0", "0.00000001", "-100000000", "5e7", "1E+16 0.5"},
    {"subnormal coefficients", "4.9e-324", "0", "-4.9e-324", "1 -1"},
    {"scientific from 1e15", "1", "-1e15", "0", "1E+15 0"},
    {"fifteen digits", "1", "-123456789012.345", "0", "123456789012.35 0"},
    {"a megabyte of digits", ones, "0", "-1", "Failed"},
    {"the 41st digit rounds the 40th up", "1", "0", "-4." + std::string(39, '0') + "5", "2 -2"},
    {"more than 40 nines carry into the next digit", "1", "0", "-0." + std::string(41, '9'),
     "1 -1"},
    {"a megabyte after the point", "1." + ones, "0", "-1", "0.95 -0.95"},
    {"below the smallest double, still a number", "1", "1e-400", "0", "0 0"},
    {"tiny beside huge, any exponent", "1", "1e-99999999", "-1e300", "1E+150 -1E+150"},
    {"only tiny coefficients", "1e-99999999", "0", "-1e-99999999", "1 -1"},
    {"a tiny c pushes a tie down", "8", "-1", "1e-400", "0.12 0"},
    {"a tiny c pushes a tie up", "8", "-1", "-1e-99999999", "0.13 0"},
    // Exact answers near the ties: roots on half-cents, nearly equal roots near 10^3 and 10^7,
    // discriminants a hair above and below zero.
    {"half-cents 0.005 and -0.015", "8", "0.08", "-0.0006", "0.01 -0.01"},
    {"half-cents, negative a", "-8", "8.96", "4.485", "-0.37 1.5"},
    {"double root on a half-cent", "2.5", "-0.175", "0.0030625", "0.04 0.04"},
    {"near 10^7", "1", "-20000000.63", "100000006300000.0612", "10000000.51 10000000.12"},
    {"near 10^7, negative a", "-1", "20000000.63", "-100000006300000.0612",
     "10000000.12 10000000.51"},
    {"near 10^3, a = 3", "3", "-6000", "2999999.9853", "1000.07 999.93"},
    {"discriminant a hair above zero", "1", "-20000000.01", "100000000099999.999999999999",
     "10000000.01 10000000"},
    {"discriminant a hair below zero", "1", "-20000000.01", "100000000100000.00003", "NoRealRoots"},
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

INSTANTIATE_TEST_SUITE_P(rows, SolveQuadraticTest,
                         testing::Combine(testing::ValuesIn(cases), testing::Bool()),
                         ByRowAndLocale());

} // namespace
