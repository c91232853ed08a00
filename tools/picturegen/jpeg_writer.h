#pragma once

#include <QImage>
#include <QString>

namespace picturegen {

// Encodes the image as a baseline JPEG file with full-resolution colour.
// Returns false (after libjpeg has printed its message) when the file cannot be
// written.
bool WriteJpeg(const QImage& image, const QString& path, int quality);

}  // namespace picturegen
