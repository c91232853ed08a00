#include "gameconfig/special_lines.h"

#include <algorithm>

#include "gameconfig/number_text.h"
#include "platform/text.h"
#include "platform/work_files.h"

namespace quorvane::gameconfig {

using catalogue::Catalogue;
using catalogue::Setting;

namespace {

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return platform::AsciiLower(a) == platform::AsciiLower(b);
           }) != text.end();
}

}  // namespace

SpecialLines::SpecialLines(Catalogue& catalogue) {
    if (const Setting* fov = catalogue.Find(catalogue.fovSetting)) {
        fov_ = fov->current;
        addFov_ = fov_ != kDefaultFov;
    }
    if (const Setting* gore = catalogue.Find(catalogue.goreSetting)) {
        gore_ = gore->current;
        addGore_ = gore_ != kDefaultGore;
    }
    if (const Setting* mouse = catalogue.Find(catalogue.mouseSetting)) {
        if (mouse->current == 0) mouse_ = MouseLines::RemoveAndZero;
        if (mouse->current == 1) mouse_ = MouseLines::Remove;
    }
}

void SpecialLines::NoteKeyPresent(std::string_view iniKey) {
    // The words that make a setting special, as the catalogue spells them.
    if (iniKey.find("WorldFOV") != std::string_view::npos) addFov_ = false;
    if (iniKey.find("AllGore") != std::string_view::npos) addGore_ = false;
}

bool SpecialLines::Drops(std::string_view line) const {
    return mouse_ != MouseLines::PassThrough &&
           line.find("fForegroundMouse") != std::string_view::npos;
}

bool SpecialLines::NeedsInsertion() const {
    return addFov_ || addGore_ || mouse_ == MouseLines::RemoveAndZero;
}

std::string SpecialLines::Insert(std::string_view text) const {
    bool fovPending = addFov_;
    bool gorePending = addGore_;
    bool mousePending = mouse_ == MouseLines::RemoveAndZero;
    std::string out;
    out.reserve(text.size() + 256);
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
        platform::AppendCrLfLine(out, line);
        if (fovPending && ContainsIgnoringCase(line, "[display]")) {
            platform::AppendCrLfLine(out, "fDefaultWorldFOV=" + FormatFixed(fov_, 1));
            fovPending = false;
        }
        if (gorePending && ContainsIgnoringCase(line, "[general]")) {
            platform::AppendCrLfLine(out, "bDisableAllGore=" + FormatFixed(gore_, 1));
            gorePending = false;
        }
        if (mousePending && ContainsIgnoringCase(line, "[controls]")) {
            for (const char* zero : {"fForegroundMouseAccelBase=0", "fForegroundMouseAccelTop=0",
                                     "fForegroundMouseBase=0", "fForegroundMouseMult=0"}) {
                platform::AppendCrLfLine(out, zero);
            }
            mousePending = false;
        }
    }
    return out;
}

}  // namespace quorvane::gameconfig
