#pragma once

#include <string>

// Round to nearest, ties to even.
double Round(double value);

// A number in a pattern such as "0.", "0.##" or "0.0####": at least
// minDecimals and at most maxDecimals decimals, trailing zeros beyond the
// minimum dropped, no thousands separator, the given decimal separator.
std::string FormatFloatPattern(double value, int minDecimals, int maxDecimals,
                               char decimalSeparator);
