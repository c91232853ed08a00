// The two ways numbers become text everywhere in the program: a whole number, and a number
// with a fixed count of decimals. "." is the decimal point whatever the locale.
#pragma once

#include <string>

namespace quorvane::gameconfig {

// The nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
double RoundWhole(double value);

// RoundWhole in decimal: a leading "-" when negative, no leading zeros, no grouping. A value
// that rounds to zero prints as "0"; infinities print as "+Infinity" and "-Infinity".
std::string FormatWhole(double value);

// Fixed-point text with exactly `decimals` digits after the "." (none and no point for 0), at
// least one digit before it, no exponent. The digits are those of the exact binary value,
// rounded to the nearest at the last decimal. A result with only zero digits has no sign
// (-0 and -0.01 with one decimal both print 0.0); infinities print as for FormatWhole.
std::string FormatFixed(float value, int decimals);

// The larger and the smaller of two floats; on a tie the second argument.
float MaxFloat(float a, float b);
float MinFloat(float a, float b);

}  // namespace quorvane::gameconfig
