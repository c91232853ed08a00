// The text a setting's value is shown with in the settings list.
#pragma once

#include <string>

#include "catalogue/model.h"

namespace quorvane::gameconfig {

enum class ValueTextMode {
    Row,    // name, a line feed (the list's column break), the value text and the suffix
    Value,  // the value text and the suffix, for the "Value" column of an existing row
};

// The value text of setting j of the current category, by its kind: a whole number (VALUE,
// VALUE2), one decimal (FLOAT), both divided by `divide` unless that is 0; "ON"/"OFF" by the
// rounded value (ONOFF, GHOST_ONOFF); "width x height" with the height from setting j + 1
// (RESOLUTION); nothing for other kinds.
std::string FormatSettingValue(const catalogue::Catalogue& catalogue, int j, ValueTextMode mode);

}  // namespace quorvane::gameconfig
