// Puts the desert scene together: land, pond, shadows, then the objects from
// far to near.

#include "desert_scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "image_effects.h"
#include "scene_parts.h"

namespace picturegen {

double Camera::Focal() const {
    return (kWidth / 2.0) / std::tan(fovDegrees * scene::kPi / 360.0);
}

QPointF Camera::Project(double x, double y, double z) const {
    const double f = Focal();
    return {kWidth / 2.0 + f * x / z, horizonY + f * (eyeHeight - y) / z};
}

namespace {

using namespace scene;

const QColor kShadowTint(46, 28, 40);

void DrawShadows(QImage& image, const SceneOptions& o) {
    const int pixel = std::max(1, o.shadowPixel);
    QImage mask(kWidth / pixel, kHeight / pixel, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, o.antialias && pixel == 1);
        p.scale(1.0 / pixel, 1.0 / pixel);
        DrawShadowShapes(p, o);
    }
    if (pixel > 1) {
        mask = mask.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    if (o.shadowSoftness > 0) {
        mask = Blurred(mask, o.shadowSoftness);
    }
    QImage tinted(mask.size(), QImage::Format_ARGB32_Premultiplied);
    tinted.fill(kShadowTint);
    {
        QPainter p(&tinted);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.drawImage(0, 0, mask);
    }
    QPainter p(&image);
    p.setOpacity(0.5);
    p.drawImage(0, 0, tinted);
}

void DrawDrawables(QImage& image, const std::vector<Drawable>& list, double minZ, double maxZ,
                   bool antialias) {
    QPainter p(&image);
    for (const Drawable& d : list) {
        if (d.z > minZ && d.z <= maxZ) {
            p.setRenderHint(QPainter::Antialiasing, antialias);
            d.draw(p);
        }
    }
}

QImage NewCanvas() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(kSkyHorizon);
    return image;
}

void DrawSkyAndLand(QImage& image, const SceneOptions& o) {
    QPainter p(&image);
    scene::DrawSkyAndLand(p, o);
}

// What the pond mirrors: the world seen from below the water line, flipped.
QImage ReflectionOf(const SceneOptions& o) {
    SceneOptions below = o;
    below.camera.eyeHeight = -o.camera.eyeHeight;
    QImage image = NewCanvas();
    DrawSkyAndLand(image, below);
    DrawDrawables(image, CollectDrawables(below, false), 0.0, 1e9, o.antialias);
    return MirroredAbout(image, int(std::lround(o.camera.horizonY)));
}

QImage WithRipples(const QImage& source, double horizonY) {
    QImage out = source.copy();
    for (int y = 0; y < out.height(); ++y) {
        const double depth = std::max(0.0, y - horizonY) / 60.0;
        const int shift = int(std::lround(2.6 * depth * std::sin(y * 0.9)));
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            to[x] = from[std::clamp(x + shift, 0, out.width() - 1)];
        }
    }
    return out;
}

void DrawRippleRings(QPainter& p, const Camera& camera) {
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 4; ++ring) {
        const double r = 0.55 * ring;
        p.setPen(QPen(QColor(255, 246, 226, 150 - 28 * ring), 1.2));
        p.drawPolygon(GroundPolygon(camera, EllipseOnGround(4.0, 11.0, r * 1.4, r, 48)));
        p.drawPolygon(GroundPolygon(camera, EllipseOnGround(9.5, 14.0, r * 1.2, r * 0.8, 48)));
    }
}

void DrawPond(QImage& image, const SceneOptions& o) {
    const Camera& c = o.camera;
    const QPolygonF shore =
        GroundPolygon(c, EllipseOnGround(kPond.x, kPond.z, kPond.rx, kPond.rz, 64));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, o.antialias);
    p.setPen(QPen(QColor(128, 92, 62, 160), 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(shore);
    QPainterPath clip;
    clip.addPolygon(shore);
    p.setClipPath(clip);
    const QRectF bounds = shore.boundingRect();
    if (o.water == Water::Plain) {
        QLinearGradient flat(0, bounds.top(), 0, bounds.bottom());
        flat.setColorAt(0.0, QColor(150, 168, 172));
        flat.setColorAt(1.0, QColor(86, 110, 122));
        p.fillRect(bounds, flat);
        return;
    }
    const QImage reflection = ReflectionOf(o);
    p.drawImage(0, 0, o.water == Water::Ripples ? WithRipples(reflection, c.horizonY) : reflection);
    QLinearGradient tint(0, bounds.top(), 0, bounds.bottom());
    tint.setColorAt(0.0, QColor(70, 100, 116, 60));
    tint.setColorAt(1.0, QColor(40, 70, 90, 130));
    p.fillRect(bounds, tint);
    if (o.water == Water::Ripples) {
        DrawRippleRings(p, c);
    }
}

void FilterGround(QImage& image, const SceneOptions& o) {
    const double horizon = o.camera.horizonY;
    if (o.ground == GroundDetail::Blurred) {
        const QImage soft = Blurred(image, 4);
        BlendRows(image, soft, [horizon](int y) { return y > horizon + 1 ? 1.0 : 0.0; });
    } else if (o.ground == GroundDetail::FarBlurred) {
        // Without anisotropic filtering the ground smears more the flatter it is seen.
        const QImage soft = Blurred(image, 6);
        const double end = horizon + 120;
        BlendRows(image, soft, [horizon, end](int y) {
            if (y <= horizon + 1) return 0.0;
            return std::pow(std::clamp((end - y) / (end - horizon), 0.0, 1.0), 0.8);
        });
    }
}

}  // namespace

QImage RenderScene(const SceneOptions& o) {
    QImage image = NewCanvas();
    DrawSkyAndLand(image, o);
    {
        QPainter p(&image);
        scene::DrawGround(p, o);
        if (o.gore) {
            scene::DrawGoreOnGround(p, o.camera);
        }
    }
    FilterGround(image, o);
    if (o.water != Water::None) {
        DrawPond(image, o);
    }
    if (o.shadows) {
        DrawShadows(image, o);
    }
    const std::vector<scene::Drawable> drawables = scene::CollectDrawables(o, true);
    DrawDrawables(image, drawables, o.nearSplit, 1e9, o.antialias);
    if (o.farFilter) {
        o.farFilter(image);
    }
    DrawDrawables(image, drawables, 0.0, o.nearSplit, o.antialias);
    return image;
}

}  // namespace picturegen
