#include "platform/picture.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>

#include "platform/cp1252.h"
#include "platform/qt_convert.h"

namespace quorvane::platform {

Picture::Picture(QImage image) : image_(std::make_shared<const QImage>(std::move(image))) {}

bool Picture::IsNull() const { return !image_ || image_->isNull(); }
int Picture::Width() const { return IsNull() ? 0 : image_->width(); }
int Picture::Height() const { return IsNull() ? 0 : image_->height(); }

Rgb Picture::PixelAt(int x, int y) const {
    if (IsNull() || !image_->valid(x, y)) return {};
    QRgb pixel = image_->pixel(x, y);
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

namespace {

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

// The largest DCT reduction (1/8, 1/4, 1/2) that still leaves the picture at least as large as
// it will ever be shown; 1 when it is less than twice that size.
unsigned ReductionFor(unsigned width, unsigned height, Size shown) {
    for (unsigned denominator : {8u, 4u, 2u}) {
        if (shown.width > 0 && shown.height > 0 && width / denominator >= static_cast<unsigned>(shown.width) &&
            height / denominator >= static_cast<unsigned>(shown.height)) {
            return denominator;
        }
    }
    return 1;
}

constexpr std::size_t kLargestPixelCount = 64u * 1024u * 1024u;  // refuses absurd headers

}  // namespace

Picture DecodeJpeg(const unsigned char* data, std::size_t size, Size largestShown) {
    // Between setjmp and a longjmp from libjpeg nothing with a destructor may come to life in
    // this frame: the decoded rows go into plain memory first.
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    unsigned char* volatile pixels = nullptr;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.manager.output_message = IgnoreJpegMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32 in memory
    info.scale_num = 1;
    info.scale_denom = ReductionFor(info.image_width, info.image_height, largestShown);
    jpeg_start_decompress(&info);
    const std::size_t width = info.output_width;
    const std::size_t height = info.output_height;
    if (width == 0 || height == 0 || width * height > kLargestPixelCount) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    const std::size_t stride = width * 4;
    pixels = static_cast<unsigned char*>(std::malloc(stride * height));
    if (!pixels) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    for (std::size_t y = 0; y < height; ++y) {
        std::copy_n(pixels + stride * y, stride, image.scanLine(static_cast<int>(y)));
    }
    std::free(pixels);
    return Picture(std::move(image));
}

Picture LoadPicture(const std::filesystem::path& path, Size largestShown) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
        return DecodeJpeg(bytes.data(), bytes.size(), largestShown);
    }
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()))) return {};
    return Picture(image.convertToFormat(QImage::Format_RGB32));
}

Picture ScalePicture(const Picture& picture, int width, int height, Scaling scaling) {
    if (picture.IsNull() || width <= 0 || height <= 0) return {};
    return Picture(picture.Image()->scaled(width, height, Qt::IgnoreAspectRatio,
                                           scaling == Scaling::Smooth ? Qt::SmoothTransformation
                                                                      : Qt::FastTransformation));
}

struct Canvas::State {
    QImage image;
};

Canvas::Canvas(int width, int height) : state_(std::make_unique<State>()) {
    if (width > 0 && height > 0) state_->image = QImage(width, height, QImage::Format_RGB32);
    if (!state_->image.isNull()) state_->image.fill(Qt::black);
}

Canvas::~Canvas() = default;

bool Canvas::IsValid() const { return !state_->image.isNull(); }

void Canvas::FillBox(Rect box, Rgb colour) {
    if (!IsValid()) return;
    QPainter painter(&state_->image);
    painter.fillRect(box.x, box.y, box.width, box.height, ToQColor(colour));
}

void Canvas::FillRoundedBox(Rect box, int radiusX, int radiusY, Rgb colour) {
    if (!IsValid()) return;
    QPainter painter(&state_->image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(colour));
    painter.drawRoundedRect(QRectF(box.x, box.y, box.width, box.height), radiusX, radiusY);
}

void Canvas::Line(int x1, int y1, int x2, int y2, Rgb colour) {
    if (!IsValid()) return;
    QPainter painter(&state_->image);
    painter.setPen(QPen(ToQColor(colour), 1));
    painter.drawLine(x1, y1, x2, y2);
}

void Canvas::Text(std::string_view text, int x, int y, const Font& font, Rgb colour) {
    if (!IsValid()) return;
    QPainter painter(&state_->image);
    QFont qfont = ToQFont(font);
    painter.setFont(qfont);
    painter.setPen(ToQColor(colour));
    // (x, y) is the top-left corner of the text, as with the toolkit's text controls.
    painter.drawText(QPoint(x, y + QFontMetrics(qfont).ascent()), FromCp1252(text));
}

int Canvas::TextWidth(std::string_view text, const Font& font) const {
    return QFontMetrics(ToQFont(font)).horizontalAdvance(FromCp1252(text));
}

int Canvas::TextHeight(std::string_view, const Font& font) const {
    return QFontMetrics(ToQFont(font)).height();
}

Picture Canvas::Finish() { return IsValid() ? Picture(state_->image) : Picture(); }

}  // namespace quorvane::platform
