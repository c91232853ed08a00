// The toolkit's value types as Qt's, for the platform code that talks to Qt.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "platform/cp1252.h"
#include "platform/toolkit_types.h"

namespace quorvane::platform {

inline QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
inline QRect ToQRect(Rect r) { return QRect(r.x, r.y, r.width, r.height); }

// A font asked for by name; a size of 0 or less keeps the face's default size.
inline QFont ToQFont(const Font& font) {
    QFont qfont(FromCp1252(font.face));
    if (font.points > 0) qfont.setPointSize(font.points);
    return qfont;
}

}  // namespace quorvane::platform
