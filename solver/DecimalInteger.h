#pragma once
// Decimal digit strings as big integers, in time that grows gently with their length: a mebibyte
// of digits converts in a fraction of a second, where a digit at a time would take seconds.

#include <boost/multiprecision/cpp_int.hpp>

#include <string_view>

using BigInteger = boost::multiprecision::cpp_int;

BigInteger powerOfTen(unsigned long long exponent);

// The integer that `digits` (ASCII '0'-'9' only) write.
BigInteger integerOfDigits(std::string_view digits);
