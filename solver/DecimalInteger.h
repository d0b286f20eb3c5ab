#pragma once
// Decimal digit strings as big integers, in time that grows gently with their length: a mebibyte
// of digits converts in a fraction of a second, where a digit at a time would take seconds.

// cpp_int.hpp includes <iostream>, whose initialiser builds the standard streams and their locale
// before the program's first window: under Wine most of what its start takes beyond a bare
// window's. It needs only the stream classes, so <iostream> is kept out while it is read.
#include <istream>
#include <ostream>
#ifndef _GLIBCXX_IOSTREAM
#define _GLIBCXX_IOSTREAM
#include <boost/multiprecision/cpp_int.hpp>
#undef _GLIBCXX_IOSTREAM
#else
#include <boost/multiprecision/cpp_int.hpp>
#endif

#include <string_view>

using BigInteger = boost::multiprecision::cpp_int;

BigInteger powerOfTen(unsigned long long exponent);

// The integer that `digits` (ASCII '0'-'9' only) write.
BigInteger integerOfDigits(std::string_view digits);
