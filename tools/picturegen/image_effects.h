#pragma once

#include <QImage>

#include <functional>

// Whole-picture effects used to show what a setting changes: blur, blocky
// pixels, glow and colour grading. All work on Format_ARGB32_Premultiplied.
namespace picturegen {

// A soft, nearly Gaussian blur made of three box blurs.
QImage Blurred(const QImage& source, int radius);

// Shrinks the picture by the factor and enlarges it again without smoothing.
QImage Pixelated(const QImage& source, int factor);

// Mixes `other` into `target` row by row; weight(y) runs from 0 (keep target) to 1.
void BlendRows(QImage& target, const QImage& other, const std::function<double(int)>& weight);

// Adds a glow around everything brighter than the threshold (0..255).
void AddGlow(QImage& image, int threshold, int radius, double strength);

// Scales contrast around mid grey and saturation around each pixel's grey value.
void GradeColours(QImage& image, double contrast, double saturation, double brightness);

// Mirrors the picture upside down about the row `axis`; rows that would come
// from above the picture repeat its top row.
QImage MirroredAbout(const QImage& source, int axis);

}  // namespace picturegen
