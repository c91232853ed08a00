// Reading a decimal number from text, the one rule every reader of numbers in the program uses.
#pragma once

#include <string_view>

namespace quorvane::catalogue {

// Leading white space is skipped, then an optional sign, digits with an optional "." fraction
// and an optional exponent (e or E, optional sign, digits). Reading stops at the first character
// that cannot continue the number; text without a number gives 0. "." is the decimal separator
// whatever the locale. Values beyond the float range give the largest float of that sign.
float ReadDecimal(std::string_view text);

}  // namespace quorvane::catalogue
