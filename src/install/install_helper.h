// The installer's helper: finds the game under Steam and writes SetupInfo.ini, and writes the
// desktop entry. scripts/install runs it; it tells the user in plain lines what it found.
//
//   quorvane-install-helper setup-info <install folder>
//   quorvane-install-helper desktop-entry <install folder> <program> <icon> <entry file>
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "install/setup_hints.h"
#include "install/steam_scan.h"
#include "platform/services.h"

namespace quorvane::install {

// Exit codes: 0 done (also when the game was not found: the user is told what to do),
// 1 a file could not be written, 2 wrong arguments.
int RunInstallHelper(const std::vector<std::string>& args, platform::Environment& environment,
                     std::ostream& out, std::ostream& err);

// What the user is told after the search.
std::vector<std::string> SurveyReport(const SteamSurvey& survey, const SetupPlan& plan);

}  // namespace quorvane::install
