// Plain value types shared by the window toolkit and its users.
#pragma once

#include <string>

namespace quorvane::platform {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Font {
    std::string face;
    int points = 0;
    bool operator==(const Font&) const = default;
};

}  // namespace quorvane::platform
