// Sky, sun, mountain ranges, sand and road: everything that lies behind or
// under the objects of the desert scene.

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <random>

#include "scene_parts.h"

namespace picturegen::scene {

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

QPolygonF GroundPolygon(const Camera& camera, const std::vector<QPointF>& xz) {
    QPolygonF polygon;
    for (const QPointF& point : xz) {
        polygon << camera.Project(point.x(), 0.0, point.y());
    }
    return polygon;
}

std::vector<QPointF> EllipseOnGround(double cx, double cz, double rx, double rz, int steps) {
    std::vector<QPointF> points;
    for (int i = 0; i < steps; ++i) {
        const double a = 2 * kPi * i / steps;
        points.emplace_back(cx + rx * std::cos(a), cz + rz * std::sin(a));
    }
    return points;
}

std::vector<QPointF> ClipNear(const std::vector<QPointF>& polygon, double zMin) {
    std::vector<QPointF> out;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const bool aIn = a.y() >= zMin;
        const bool bIn = b.y() >= zMin;
        if (aIn) {
            out.push_back(a);
        }
        if (aIn != bIn) {
            const double t = (zMin - a.y()) / (b.y() - a.y());
            out.emplace_back(a.x() + t * (b.x() - a.x()), zMin);
        }
    }
    return out;
}

namespace {

// Late-afternoon desert palette.
const QColor kSkyTop(58, 104, 168);
const QColor kHaze(240, 212, 166);
const QColor kGroundFar(220, 180, 124);
const QColor kGroundNear(176, 122, 74);
const QColor kAsphalt(92, 86, 82);
const QColor kRoadPaint(238, 216, 142);

// The sun stands low, a little to the left of the road.
constexpr double kSunAzimuth = -24.0;
constexpr double kSunElevation = 7.5;

QPointF SunPoint(const Camera& camera) {
    const double f = camera.Focal();
    return {kWidth / 2.0 + f * std::tan(Radians(kSunAzimuth)),
            camera.horizonY - f * std::tan(Radians(kSunElevation))};
}

void DrawSky(QPainter& p, const Camera& camera) {
    QLinearGradient sky(0, 0, 0, camera.horizonY);
    sky.setColorAt(0.0, kSkyTop);
    sky.setColorAt(0.65, QColor(150, 170, 190));
    sky.setColorAt(1.0, kSkyHorizon);
    p.fillRect(QRectF(0, -kHeight, kWidth, camera.horizonY + 2 * kHeight), sky);
    p.fillRect(QRectF(0, camera.horizonY, kWidth, 2 * kHeight), kSkyHorizon);
}

void DrawClouds(QPainter& p, const Camera& camera) {
    struct Cloud {
        double azimuth, elevation, width, height;
    };
    const Cloud clouds[] = {{-32, 16, 34, 2.2}, {-8, 21, 22, 1.6}, {40, 14, 28, 1.8}};
    const double f = camera.Focal();
    for (const Cloud& c : clouds) {
        const QPointF centre(kWidth / 2.0 + f * std::tan(Radians(c.azimuth)),
                             camera.horizonY - f * std::tan(Radians(c.elevation)));
        const double w = f * std::tan(Radians(c.width / 2));
        const double h = f * std::tan(Radians(c.height / 2));
        QRadialGradient g(centre, w);
        g.setColorAt(0.0, QColor(255, 244, 230, 120));
        g.setColorAt(1.0, QColor(255, 244, 230, 0));
        p.save();
        p.translate(centre);
        p.scale(1.0, h / w);
        p.translate(-centre);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(centre, w, w);
        p.restore();
    }
}

void DrawSun(QPainter& p, const Camera& camera, double glow) {
    const QPointF sun = SunPoint(camera);
    const double reach = 40 + 120 * glow;
    QRadialGradient halo(sun, reach);
    halo.setColorAt(0.0, QColor(255, 248, 225, int(110 + 120 * glow)));
    halo.setColorAt(0.35, QColor(255, 232, 180, int(70 * glow)));
    halo.setColorAt(1.0, QColor(255, 230, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(sun, reach, reach);
    p.setBrush(QColor(255, 250, 232));
    p.drawEllipse(sun, 11, 11);
}

struct Range {
    double distance;
    QColor colour;
    double peak;  // highest elevation, degrees
    double phase;
    bool mesas;
};

double RidgeElevation(const Range& r, double azimuth) {
    const double a = azimuth + r.phase;
    double n = 0.55 + 0.25 * std::sin(a * 3.1) + 0.15 * std::sin(a * 7.3 + 1.3) +
               0.08 * std::sin(a * 17.0 + 0.4) + 0.04 * std::sin(a * 41.0);
    if (r.mesas) {
        // Flat-topped buttes: steep sides, level tops.
        n = std::clamp((n - 0.55) * 6.0, 0.0, 1.0) * (0.8 + 0.2 * std::sin(a * 2.0));
    }
    return std::max(0.0, n) * r.peak;
}

void DrawRange(QPainter& p, const Camera& camera, const Range& r) {
    const double f = camera.Focal();
    QPolygonF outline;
    outline << QPointF(-20, camera.horizonY + 2);
    for (double x = -20; x <= kWidth + 20; x += 2) {
        const double azimuth = std::atan((x - kWidth / 2.0) / f);
        const double elevation = RidgeElevation(r, azimuth);
        outline << QPointF(x, camera.horizonY - f * std::tan(Radians(elevation)));
    }
    outline << QPointF(kWidth + 20, camera.horizonY + 2);
    QLinearGradient shade(0, camera.horizonY - f * std::tan(Radians(r.peak)), 0, camera.horizonY);
    shade.setColorAt(0.0, r.colour);
    shade.setColorAt(1.0, r.colour.lighter(112));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPolygon(outline);
}

void DrawMountains(QPainter& p, const Camera& camera, double landDistance) {
    const Range ranges[] = {
        {24000, QColor(192, 170, 188), 4.2, 0.0, false},
        {11000, QColor(178, 138, 136), 3.6, 2.1, false},
        {4000, QColor(166, 104, 78), 4.4, 4.2, true},
    };
    for (const Range& r : ranges) {
        if (r.distance <= landDistance) {
            DrawRange(p, camera, r);
        }
    }
    QLinearGradient haze(0, camera.horizonY - 26, 0, camera.horizonY + 2);
    haze.setColorAt(0.0, QColor(kHaze.red(), kHaze.green(), kHaze.blue(), 0));
    haze.setColorAt(1.0, QColor(kHaze.red(), kHaze.green(), kHaze.blue(), 170));
    p.fillRect(QRectF(0, camera.horizonY - 26, kWidth, 28), haze);
}

void DrawGroundBase(QPainter& p, const Camera& camera) {
    QLinearGradient ground(0, camera.horizonY, 0, kHeight);
    ground.setColorAt(0.0, kGroundFar);
    ground.setColorAt(1.0, kGroundNear);
    p.fillRect(QRectF(0, camera.horizonY, kWidth, kHeight - camera.horizonY), ground);
}

void DrawGroundPatches(QPainter& p, const Camera& camera) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double z = 4 + 400 * std::pow(unit(random), 2.0);
        const double x = (unit(random) * 2 - 1) * z * 1.6;
        const double r = 2 + 8 * unit(random);
        const bool dark = unit(random) < 0.6;
        p.setBrush(dark ? QColor(150, 100, 60, 26) : QColor(250, 220, 170, 30));
        p.drawPolygon(GroundPolygon(camera, ClipNear(EllipseOnGround(x, z, r * 1.8, r), 1.0)));
    }
}

// Wind-blown ripples in the sand: fine stripes that crowd towards the horizon.
void DrawSandRipples(QPainter& p, const Camera& camera, bool detail) {
    if (!detail) {
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 96, 60, 46));
    for (double z = 2.0; z < 160.0; z += 1.1) {
        std::vector<QPointF> band;
        const double reach = z * 1.7;
        for (int i = 0; i <= 48; ++i) {
            const double x = -reach + 2 * reach * i / 48.0;
            band.emplace_back(x, z + 0.3 * std::sin(0.21 * x + z));
        }
        for (int i = 48; i >= 0; --i) {
            const double x = -reach + 2 * reach * i / 48.0;
            band.emplace_back(x, z + 0.45 + 0.3 * std::sin(0.21 * x + z + 0.3));
        }
        p.drawPolygon(GroundPolygon(camera, band));
    }
}

void DrawPebbles(QPainter& p, const Camera& camera, bool detail) {
    if (!detail) {
        return;
    }
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const double z = 1.5 + 60 * std::pow(unit(random), 1.8);
        const double x = (unit(random) * 2 - 1) * z * 1.5;
        if (x > kRoadLeft - 0.2 && x < kRoadRight + 0.2) {
            continue;
        }
        const double r = 0.04 + 0.1 * unit(random);
        const int tone = int(90 + 80 * unit(random));
        p.setBrush(QColor(tone + 40, tone, tone - 30, 170));
        p.drawPolygon(GroundPolygon(camera, EllipseOnGround(x, z, r * 1.3, r, 8)));
    }
}

void DrawRoadStrip(QPainter& p, const Camera& camera, double x0, double x1, double z0, double z1) {
    p.drawPolygon(GroundPolygon(camera, {{x0, z0}, {x1, z0}, {x1, z1}, {x0, z1}}));
}

void DrawRoad(QPainter& p, const Camera& camera, bool detail) {
    QLinearGradient asphalt(0, kHeight, 0, camera.horizonY);
    asphalt.setColorAt(0.0, kAsphalt);
    asphalt.setColorAt(0.85, QColor(150, 132, 116));
    asphalt.setColorAt(1.0, QColor(214, 184, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(asphalt);
    DrawRoadStrip(p, camera, kRoadLeft, kRoadRight, 0.5, 6000);

    // Worn edge lines and the dashed centre line.
    p.setBrush(QColor(225, 214, 190, 150));
    DrawRoadStrip(p, camera, kRoadLeft + 0.15, kRoadLeft + 0.27, 0.5, 3000);
    DrawRoadStrip(p, camera, kRoadRight - 0.27, kRoadRight - 0.15, 0.5, 3000);
    const double centre = (kRoadLeft + kRoadRight) / 2;
    p.setBrush(kRoadPaint);
    for (double z = 1.0; z < 900; z += 9.0) {
        DrawRoadStrip(p, camera, centre - 0.08, centre + 0.08, z, z + 3.0);
    }
    if (!detail) {
        return;
    }
    // Expansion joints: fine lines that crowd together towards the horizon.
    p.setBrush(QColor(46, 42, 40, 190));
    for (double z = 1.5; z < 400; z += 1.8) {
        DrawRoadStrip(p, camera, kRoadLeft, kRoadRight, z, z + 0.12);
    }
    // Grit in the asphalt.
    std::mt19937 grit(9);
    std::uniform_real_distribution<double> spread(0.0, 1.0);
    for (int i = 0; i < 1500; ++i) {
        const double z = 0.8 + 25 * std::pow(spread(grit), 1.5);
        const double x = kRoadLeft + (kRoadRight - kRoadLeft) * spread(grit);
        p.setBrush(spread(grit) < 0.5 ? QColor(70, 66, 64, 150) : QColor(130, 124, 118, 150));
        DrawRoadStrip(p, camera, x, x + 0.03, z, z + 0.03);
    }
    // Patched cracks.
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    p.setBrush(QColor(60, 56, 54, 200));
    for (int i = 0; i < 24; ++i) {
        const double z = 1.5 + 40 * unit(random);
        const double x = kRoadLeft + 0.5 + (kRoadRight - kRoadLeft - 1) * unit(random);
        DrawRoadStrip(p, camera, x, x + 0.6 + unit(random), z, z + 0.05);
        DrawRoadStrip(p, camera, x, x + 0.04, z, z + 0.8 * unit(random));
    }
}

}  // namespace

void DrawSkyAndLand(QPainter& p, const SceneOptions& o) {
    p.setRenderHint(QPainter::Antialiasing, o.antialias);
    DrawSky(p, o.camera);
    DrawClouds(p, o.camera);
    DrawSun(p, o.camera, o.sunGlow);
    DrawMountains(p, o.camera, o.landDistance);
}

void DrawGround(QPainter& p, const SceneOptions& o) {
    p.setRenderHint(QPainter::Antialiasing, o.antialias);
    DrawGroundBase(p, o.camera);
    DrawGroundPatches(p, o.camera);
    DrawSandRipples(p, o.camera, o.surfaceDetail);
    DrawPebbles(p, o.camera, o.surfaceDetail);
    DrawRoad(p, o.camera, o.surfaceDetail);
}

}  // namespace picturegen::scene
