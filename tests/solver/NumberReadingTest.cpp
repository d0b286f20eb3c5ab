// What a typed coefficient means, the same in both front ends: each row of number-readings.txt is
// run through the platform's number format, with an English decimal point and a German decimal
// comma.

#include "CaseTable.h"
#include "LocaleNumbers.h"
#include "LocaleRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

struct Reading {
    std::string name;
    std::string text;
    std::string means;
};

std::string meaning(const std::optional<TypedNumber>& number) {
    if (!number) {
        return "no number";
    }
    return (number->negative ? "-" : "") + number->digits + 'e' + std::to_string(number->exponent);
}

class NumberReadingTest : public testing::TestWithParam<std::tuple<Reading, bool>> {};

TEST_P(NumberReadingTest, readsWhatTheTextMeans) {
    const auto& [row, comma] = GetParam();
    EXPECT_EQ(meaning(localeNumbers(comma)->read(inLocale(row.text, comma))), row.means);
}

INSTANTIATE_TEST_SUITE_P(rows, NumberReadingTest,
                         testing::Combine(testing::ValuesIn(cases::rowsOf<Reading, 3>(
                                              BRINTAMO_CASES "/number-readings.txt")),
                                          testing::Bool()),
                         ByRowAndLocale());

} // namespace

// Halfway between two doubles, the digits as typed decide: exactly halfway goes to the even one,
// a hair above goes up, however far past the deciding digits the hair lies.
TEST(NearestDouble, aTieGoesToTheEvenDoubleUnlessALaterDigitTipsIt) {
    const std::string tie = "5444517870735016019876903526222878736384"; // (2^53 + 1) * 2^79
    const auto numbers = localeNumbers(false);
    for (const auto& [text, nearest] :
         {std::pair{tie, std::ldexp(1.0, 132)},
          {tie + ".1", std::ldexp(1.0, 132) + std::ldexp(1.0, 80)},
          {tie + "." + std::string(50, '0') + "1", std::ldexp(1.0, 132) + std::ldexp(1.0, 80)},
          {tie + "." + std::string(800, '0') + "1", std::ldexp(1.0, 132) + std::ldexp(1.0, 80)},
          // 1 + 2^-52 + 2^-53, a tie whose every one of its 54 digits counts
          {"1.00000000000000033306690738754696212708950042724609375", 1 + std::ldexp(1.0, -51)}}) {
        EXPECT_EQ(numbers->read(text).value_or(TypedNumber{}).nearest, nearest) << text;
    }
}
