// Pictures and 2-D drawing for the windows: loading (JPEG through libjpeg, BMP and others
// through Qt), scaling with or without smoothing, and a canvas for drawn images.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/toolkit_types.h"

class QImage;

namespace quorvane::platform {

class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image);

    bool IsNull() const;
    int Width() const;
    int Height() const;
    Rgb PixelAt(int x, int y) const;
    const QImage* Image() const { return image_.get(); }

private:
    std::shared_ptr<const QImage> image_;
};

// Loads a picture file; a null picture when it is missing or cannot be decoded. A JPEG at
// least twice as large as `largestShown` in both directions is decoded at 1/2, 1/4 or 1/8 of
// its size by libjpeg's DCT scaling, which costs a fraction of a full decode.
Picture LoadPicture(const std::filesystem::path& path, Size largestShown);

// Decodes JPEG bytes the same way; exposed for tests and benchmarks.
Picture DecodeJpeg(const unsigned char* data, std::size_t size, Size largestShown);

enum class Scaling { Fast, Smooth };
// The picture stretched to width x height (aspect ratio not kept).
Picture ScalePicture(const Picture& picture, int width, int height, Scaling scaling);

// An off-screen image to draw on. Shapes are drawn without anti-aliasing, so every pixel is
// exactly the colour asked for; text is drawn without a background box.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool IsValid() const;
    void FillBox(Rect box, Rgb colour);
    void FillRoundedBox(Rect box, int radiusX, int radiusY, Rgb colour);
    void Line(int x1, int y1, int x2, int y2, Rgb colour);
    void Text(std::string_view text, int x, int y, const Font& font, Rgb colour);
    int TextWidth(std::string_view text, const Font& font) const;
    int TextHeight(std::string_view text, const Font& font) const;
    Picture Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace quorvane::platform
