#pragma once

#include <QImage>
#include <QPointF>

#include <functional>

// The one scene every setting picture is drawn from: a stretch of Mojave road
// at late afternoon, with a wanderer, a wrecked car, a shack, telegraph poles,
// Joshua trees and grass, seen through a simple pinhole camera. World units are
// metres: x to the right, y up, z away from the viewer.
namespace picturegen {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

struct Camera {
    double fovDegrees = 75.0;  // horizontal field of view
    double eyeHeight = 1.7;
    double horizonY = 150.0;  // the picture row of the horizon

    double Focal() const;
    QPointF Project(double x, double y, double z) const;
    double PixelsPerMetre(double z) const { return Focal() / z; }
};

enum class GroundDetail { Sharp, FarBlurred, Blurred };
enum class Water { None, Plain, Mirror, Ripples };

struct SceneOptions {
    Camera camera;
    bool antialias = true;
    bool smoothCutouts = true;  // smooth edges on see-through textures: wire mesh, grass
    GroundDetail ground = GroundDetail::Sharp;
    bool surfaceDetail = true;  // planks, rust, cracks on the objects
    bool shadows = true;
    int shadowPixel = 1;     // above 1: shadows drawn blocky, as from a small shadow map
    int shadowSoftness = 0;  // blur radius of shadow edges, in pixels
    int grassTufts = 260;
    double grassDistance = 70.0;
    double objectDistance = 2000.0;
    double treeDistance = 2000.0;
    double landDistance = 30000.0;  // mountain ranges farther than this are left out
    double sunGlow = 0.6;
    bool wanderer = true;
    bool fence = false;
    bool dummy = false;
    bool gore = false;
    Water water = Water::None;
    // Objects nearer than nearSplit are drawn after farFilter has run on
    // everything behind them (used for depth of field).
    double nearSplit = 0.0;
    std::function<void(QImage&)> farFilter;
};

QImage RenderScene(const SceneOptions& options);

}  // namespace picturegen
