// The lines of the three special settings that writing drops or adds: the field of view and
// the gore switch are added under their section when the file lacks their key, and the mouse
// acceleration switch removes the menu-cursor acceleration lines (and, when off, puts four
// zero lines under [Controls]).
#pragma once

#include <string>
#include <string_view>

#include "catalogue/model.h"

namespace quorvane::gameconfig {

// The game's values when its files lack the keys: field of view 75, gore on (the switch 0),
// mouse acceleration on (the switch 1).
inline constexpr float kDefaultFov = 75;
inline constexpr float kDefaultGore = 0;
inline constexpr float kDefaultMouse = 1;

class SpecialLines {
public:
    // Decides from the current values what this write must drop and add.
    explicit SpecialLines(catalogue::Catalogue& catalogue);

    // A line named a setting whose key is `iniKey`: the file has the field-of-view or gore key,
    // so nothing needs adding for it.
    void NoteKeyPresent(std::string_view iniKey);
    // True for the lines the mouse acceleration switch removes.
    bool Drops(std::string_view line) const;
    // True when lines remain to be added after the first pass.
    bool NeedsInsertion() const;
    // `text` (CR LF lines) with the missing lines added right after the first line holding
    // their section header, in any letter case. A file without the header gets nothing.
    std::string Insert(std::string_view text) const;

private:
    enum class MouseLines { PassThrough, Remove, RemoveAndZero };

    bool addFov_ = false;
    bool addGore_ = false;
    MouseLines mouse_ = MouseLines::PassThrough;
    float fov_ = 0;
    float gore_ = 0;
};

}  // namespace quorvane::gameconfig
