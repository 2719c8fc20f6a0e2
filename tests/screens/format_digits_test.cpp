#include "screens/format_digits.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {
// The digits written for value, checking that nothing past the closing NUL is touched.
std::string digitsOf(int32_t value, int32_t n) {
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  formatDigits(value, buffer, n);
  size_t length = std::strlen(buffer);
  EXPECT_EQ(buffer[length + 1], '#') << "wrote past the NUL for n " << n;
  return buffer;
}

// A digit of a negative value is negative and lands below '0'.
char below(int digit) { return char('0' - digit); }
}  // namespace

TEST(FormatDigits, WritesTheLowDigitsZeroPadded) {
  EXPECT_EQ(digitsOf(7, 2), "07");
  EXPECT_EQ(digitsOf(123, 2), "23");
  EXPECT_EQ(digitsOf(1234, 8), "00001234");
  EXPECT_EQ(digitsOf(0, 1), "0");
  EXPECT_EQ(digitsOf(99999999, 8), "99999999");
  EXPECT_EQ(digitsOf(100000000, 8), "00000000");  // a score past eight digits wraps round
  EXPECT_EQ(digitsOf(123456789, 9), "123456789");
  EXPECT_EQ(digitsOf(5, 9), "000000005");
}

TEST(FormatDigitsEdges, NoDigitsWritesOnlyTheNul) {
  EXPECT_EQ(digitsOf(1234, 0), "");
  EXPECT_EQ(digitsOf(1234, -3), "");                // a count below 0 is taken as 0
  EXPECT_EQ(digitsOf(123456789, 12), "123456789");  // and one above 9 as 9
}

TEST(FormatDigitsEdges, TheNinthDigitIsTheWholeQuotientBy10To8) {
  // 2147483647 / 10^8 is 21, one character past '9'.
  EXPECT_EQ(digitsOf(INT32_MAX, 9), std::string(1, char('0' + 21)) + "47483647");
}

TEST(FormatDigitsEdges, NegativeValuesKeepTheSignInEveryDigit) {
  EXPECT_EQ(digitsOf(-7, 2), std::string({'0', below(7)}));
  EXPECT_EQ(digitsOf(-1234, 4), std::string({below(1), below(2), below(3), below(4)}));
  // The most negative value has no positive twin; it must still be digit arithmetic.
  EXPECT_EQ(digitsOf(INT32_MIN, 9), std::string({below(21), below(4), below(7), below(4), below(8),
                                                 below(3), below(6), below(4), below(8)}));
}
