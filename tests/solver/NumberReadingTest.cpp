// What a typed coefficient means, the same in both front ends: each row is run through the
// platform's number format, with an English decimal point and a German decimal comma.

#include "LocaleNumbers.h"
#include "LocaleRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

struct Reading {
    const char* name;
    std::string text;  // written with a decimal point; the comma rows swap '.' and ','
    const char* means; // sign, digits and power of ten, or "no number"
};

const char* const noNumber = "no number";

const Reading readings[] = {
    {"whole number", "42", "42e0"},
    {"zeros around the digits", "007.500", "75e-1"},
    {"zero", "0.000", "0e0"},
    {"minus zero is zero", "-0", "0e0"},
    {"separator first", ".5", "5e-1"},
    {"separator last", "5.", "5e0"},
    {"separator alone", ".", noNumber},
    {"two separators", "1..5", noNumber},
    {"separator twice apart", "1.2.3", noNumber},
    {"the other locale's separator", "1,5", noNumber},
    {"group separators", "1,000.5", noNumber},
    {"hyphen-minus", "-1.5", "-15e-1"},
    {"plus", "+2", "2e0"},
    {"minus sign U+2212", "\u22123", "-3e0"},
    {"two signs", "+-1", noNumber},
    {"two minus signs", "--1", noNumber},
    {"sign after the number", "1-", noNumber},
    {"blank between sign and digits", "- 1", noNumber},
    {"spaces around", "  7  ", "7e0"},
    {"tabs around", "\t7\t", "7e0"},
    {"only spaces", "   ", noNumber},
    {"space inside", "1 000", noNumber},
    {"no-break space before", "\u00a07", noNumber},
    {"no-break space after", "7\u00a0", noNumber},
    {"ideographic space", "\u30007", noNumber},
    {"line break after", "7\n", noNumber},
    {"exponent", "2.5e3", "25e2"},
    {"capital E", "1E3", "1e3"},
    {"exponent with plus", "1e+3", "1e3"},
    {"negative exponent", "-4e-2", "-4e-2"},
    {"exponent with minus sign U+2212", "1e\u22122", "1e-2"},
    {"exponent without digits", "1e", noNumber},
    {"exponent sign without digits", "1e-", noNumber},
    {"exponent without mantissa", "e5", noNumber},
    {"two exponents", "1e2e3", noNumber},
    {"fractional exponent", "1e2.5", noNumber},
    {"blank before the exponent", "1 e5", noNumber},
    {"beyond the largest double", "2e308", noNumber},
    {"an exponent beyond 64 bits", "1e18446744073709551616", noNumber},
    {"below the smallest double", "1e-400", "1e-400"},
    {"digits past a double's precision", "1.00000000000000000000000000000000000000000000001",
     "100000000000000000000000000000000000000000000001e-47"},
    {"currency before", "$1", noNumber},
    {"currency after", "1 \u20ac", noNumber},
    {"percent", "50%", noNumber},
    {"parentheses for a negative", "(1)", noNumber},
    {"hexadecimal", "0x1A", noNumber},
    {"basic hexadecimal", "&H1A", noNumber},
    {"infinity", "inf", noNumber},
    {"not a number", "nan", noNumber},
    {"full-width digit", "\uff11", noNumber},
    {"Arabic-Indic digit", "\u0661", noNumber},
    {"letter after", "1x", noNumber},
    {"embedded NUL", std::string("1\0", 2), noNumber},
};

std::string meaning(const std::optional<TypedNumber>& number) {
    if (!number) {
        return noNumber;
    }
    return (number->negative ? "-" : "") + number->digits + 'e' + std::to_string(number->exponent);
}

class NumberReadingTest : public testing::TestWithParam<std::tuple<Reading, bool>> {};

TEST_P(NumberReadingTest, readsWhatTheTextMeans) {
    const auto& [row, comma] = GetParam();
    EXPECT_EQ(meaning(localeNumbers(comma)->read(inLocale(row.text, comma))), row.means);
}

INSTANTIATE_TEST_SUITE_P(rows, NumberReadingTest,
                         testing::Combine(testing::ValuesIn(readings), testing::Bool()),
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
          {tie + "." + std::string(50, '0') + "1", std::ldexp(1.0, 132) + std::ldexp(1.0, 80)}}) {
        EXPECT_EQ(numbers->read(text).value_or(TypedNumber{}).nearest, nearest) << text;
    }
}
