// Loading the catalogue: Data\Categories.ini lists the categories, and Data\<name>.txt
// describes each category's settings as KEY|value lines.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "catalogue/model.h"

namespace quorvane::catalogue {

inline constexpr std::string_view kCategoryIndexPath = "Data\\Categories.ini";

// Reads the category index into catalogue.categories, categoryCount and currentCategory, then
// sizes the setting tables. Lines past the fifth accepted category are ignored. False when the
// index cannot be opened; the catalogue then has no categories.
bool LoadCategoryIndex(Catalogue& catalogue, const std::filesystem::path& workDir);

// Reads each category's file into its settings. A file that cannot be opened leaves its
// category without settings; the indices of those categories are returned, in order, so the
// caller can tell the user.
std::vector<int> LoadCategoryFiles(Catalogue& catalogue, const std::filesystem::path& workDir);

// Applies one line of a category file to the catalogue. `current` is the setting index the
// line applies to (0 before the first NAME line) and is advanced by a NAME line. Exposed for
// tests; LoadCategoryFiles calls it for every line.
void ApplyCategoryLine(Catalogue& catalogue, int category, int& current, std::string_view line);

}  // namespace quorvane::catalogue
