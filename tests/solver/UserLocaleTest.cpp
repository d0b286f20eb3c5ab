// The number format as the program makes it, for the user's own locale, which the test is run
// in (LC_ALL); BRINTAMO_USER_DECIMAL names the decimal separator that locale writes.

#include "LocaleNumbers.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(UserLocale, readsAndWritesWithItsDecimalSeparator) {
    const char* decimal = std::getenv("BRINTAMO_USER_DECIMAL");
    ASSERT_NE(decimal, nullptr);
    const std::string separator = decimal;
    const std::string other = separator == "," ? "." : ",";
    const auto numbers = userNumbers();
    const std::optional<TypedNumber> read = numbers->read("2" + separator + "5");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->digits + 'e' + std::to_string(read->exponent), "25e-1");
    EXPECT_FALSE(numbers->read("2" + other + "5").has_value());
    EXPECT_EQ(numbers->write(1234567.25), "1234567" + separator + "25");
}
