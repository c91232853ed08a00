#pragma once

// Pieces of the desert scene shared by its drawing files: where the shared
// things stand in the world, a little ground geometry, and the drawing steps.

#include <QPainter>
#include <QPointF>
#include <QPolygonF>

#include <functional>
#include <vector>

#include "desert_scene.h"

namespace picturegen::scene {

inline constexpr double kPi = 3.14159265358979323846;

inline const QColor kSkyHorizon(246, 220, 172);

inline constexpr double kRoadLeft = -5.5;
inline constexpr double kRoadRight = 0.5;

struct Pond {
    double x, z, rx, rz;
};
inline constexpr Pond kPond{6.8, 14.0, 5.8, 5.5};

// Something standing in the world, drawn in order of distance (farthest first).
struct Drawable {
    double z;
    std::function<void(QPainter&)> draw;
};

double Radians(double degrees);

// Projects points on the ground, given as (x, z), into the picture.
QPolygonF GroundPolygon(const Camera& camera, const std::vector<QPointF>& xz);
std::vector<QPointF> EllipseOnGround(double cx, double cz, double rx, double rz, int steps = 40);
// Keeps the part of a ground polygon that lies at least zMin in front of the eye.
std::vector<QPointF> ClipNear(const std::vector<QPointF>& polygon, double zMin);

// scene_land.cpp: sky, clouds, sun and mountain ranges.
void DrawSkyAndLand(QPainter& p, const SceneOptions& o);
// scene_land.cpp: sand, ripples, pebbles and the road.
void DrawGround(QPainter& p, const SceneOptions& o);

// scene_objects.cpp
void DrawGoreOnGround(QPainter& p, const Camera& camera);
void DrawShadowShapes(QPainter& p, const SceneOptions& o);
std::vector<Drawable> CollectDrawables(const SceneOptions& o, bool withGrass);

}  // namespace picturegen::scene
