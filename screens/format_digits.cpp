#include "screens/format_digits.h"

namespace {
constexpr int32_t MaxDigits = 9;
}

void formatDigits(int32_t value, char* dest, int32_t n) {
  if (n < 0) n = 0;
  if (n > MaxDigits) n = MaxDigits;
  // Digit k is (value mod 10^(k+1)) / 10^k, signed; the ninth is value / 10^8.
  int32_t digits[MaxDigits];
  int32_t power = 1;
  for (int32_t k = 0; k < MaxDigits - 1; ++k) {
    digits[k] = value % (power * 10) / power;
    power *= 10;
  }
  digits[MaxDigits - 1] = value / power;
  for (int32_t i = 0; i < n; ++i) dest[i] = char('0' + digits[n - 1 - i]);
  dest[n] = '\0';
}
