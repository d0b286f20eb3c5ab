// What a typed coefficient means, the same in both front ends: each row of number-readings.txt is
// run through the platform's number format, with an English decimal point and a German decimal
// comma.

#include "CaseTable.h"
#include "LocaleNumbers.h"
#include "LocaleRows.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Reading {
    std::string name, text, means;
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

// The double a text reads as, from nearest-doubles.txt.
TEST(NearestDouble, aTieGoesToTheEvenDoubleUnlessALaterDigitTipsIt) {
    const auto numbers = localeNumbers(false);
    for (const auto& row : cases::read(BRINTAMO_CASES "/nearest-doubles.txt", 3)) {
        EXPECT_EQ(numbers->read(row[1]).value_or(TypedNumber{}).nearest,
                  std::strtod(row[2].c_str(), nullptr))
            << row[0];
    }
}
