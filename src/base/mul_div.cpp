#include "base/mul_div.h"

int MulDivRounded(int number, int numerator, int denominator) {
  if (denominator == 0)
    return -1;
  long long n = number;
  long long d = denominator;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const long long product = n * numerator;
  const long long half = d / 2;
  const long long result = product >= 0 ? (product + half) / d : (product - half) / d;
  if (result > 2147483647LL || result < -2147483647LL)
    return -1;
  return static_cast<int>(result);
}
