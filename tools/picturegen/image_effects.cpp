#include "image_effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace picturegen {
namespace {

QImage Prepared(const QImage& source) {
    return source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// One box-blur pass over a line of `count` pixels spaced `stride` apart.
void BoxBlurLine(QRgb* pixels, int count, int stride, int radius, std::vector<QRgb>& scratch) {
    scratch.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        scratch[static_cast<size_t>(i)] = pixels[i * stride];
    }
    const int window = 2 * radius + 1;
    std::array<int, 4> sum{};
    auto at = [&](int i) { return scratch[static_cast<size_t>(std::clamp(i, 0, count - 1))]; };
    for (int i = -radius; i <= radius; ++i) {
        const QRgb p = at(i);
        sum[0] += qAlpha(p);
        sum[1] += qRed(p);
        sum[2] += qGreen(p);
        sum[3] += qBlue(p);
    }
    for (int i = 0; i < count; ++i) {
        pixels[i * stride] =
            qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
        const QRgb out = at(i - radius);
        const QRgb in = at(i + radius + 1);
        sum[0] += qAlpha(in) - qAlpha(out);
        sum[1] += qRed(in) - qRed(out);
        sum[2] += qGreen(in) - qGreen(out);
        sum[3] += qBlue(in) - qBlue(out);
    }
}

void BoxBlur(QImage& image, int radius) {
    std::vector<QRgb> scratch;
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        BoxBlurLine(reinterpret_cast<QRgb*>(image.scanLine(y)), width, 1, radius, scratch);
    }
    auto* first = reinterpret_cast<QRgb*>(image.bits());
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    for (int x = 0; x < width; ++x) {
        BoxBlurLine(first + x, height, stride, radius, scratch);
    }
}

int Mix(int a, int b, double t) {
    return static_cast<int>(std::lround(a + (b - a) * t));
}

int Clamp255(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

}  // namespace

QImage Blurred(const QImage& source, int radius) {
    QImage image = Prepared(source);
    if (radius <= 0) {
        return image;
    }
    for (int pass = 0; pass < 3; ++pass) {
        BoxBlur(image, std::max(1, radius / 2));
    }
    return image;
}

QImage Pixelated(const QImage& source, int factor) {
    const QImage small = source.scaled(source.width() / factor, source.height() / factor,
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Prepared(small.scaled(source.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void BlendRows(QImage& target, const QImage& other, const std::function<double(int)>& weight) {
    const QImage source = Prepared(other);
    for (int y = 0; y < target.height(); ++y) {
        const double t = std::clamp(weight(y), 0.0, 1.0);
        if (t <= 0.0) {
            continue;
        }
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < target.width(); ++x) {
            row[x] = qRgba(
                Mix(qRed(row[x]), qRed(from[x]), t), Mix(qGreen(row[x]), qGreen(from[x]), t),
                Mix(qBlue(row[x]), qBlue(from[x]), t), Mix(qAlpha(row[x]), qAlpha(from[x]), t));
        }
    }
}

void AddGlow(QImage& image, int threshold, int radius, double strength) {
    // The bright parts are blurred at a quarter size, which is both fast and soft.
    QImage bright = image
                        .scaled(image.width() / 4, image.height() / 4, Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < bright.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bright.scanLine(y));
        for (int x = 0; x < bright.width(); ++x) {
            const int luma = qGray(row[x]);
            const double keep = std::clamp((luma - threshold) / double(255 - threshold), 0.0, 1.0);
            row[x] = qRgba(Clamp255(qRed(row[x]) * keep), Clamp255(qGreen(row[x]) * keep),
                           Clamp255(qBlue(row[x]) * keep), 255);
        }
    }
    const QImage glow = Blurred(bright, std::max(1, radius / 4))
                            .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* add = reinterpret_cast<const QRgb*>(glow.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x] = qRgba(Clamp255(qRed(row[x]) + qRed(add[x]) * strength),
                           Clamp255(qGreen(row[x]) + qGreen(add[x]) * strength),
                           Clamp255(qBlue(row[x]) + qBlue(add[x]) * strength), qAlpha(row[x]));
        }
    }
}

void GradeColours(QImage& image, double contrast, double saturation, double brightness) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            std::array<double, 3> c{double(qRed(row[x])), double(qGreen(row[x])),
                                    double(qBlue(row[x]))};
            const double grey = 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
            for (double& v : c) {
                v = grey + (v - grey) * saturation;
                v = (v - 128.0) * contrast + 128.0;
                v *= brightness;
            }
            row[x] = qRgba(Clamp255(c[0]), Clamp255(c[1]), Clamp255(c[2]), qAlpha(row[x]));
        }
    }
}

QImage MirroredAbout(const QImage& source, int axis) {
    const QImage from = Prepared(source);
    QImage mirrored(from.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < mirrored.height(); ++y) {
        const int sourceRow = std::clamp(2 * axis - y, 0, from.height() - 1);
        std::copy_n(from.constScanLine(sourceRow), from.bytesPerLine(), mirrored.scanLine(y));
    }
    return mirrored;
}

}  // namespace picturegen
