#include "pictures.h"

#include <QPainter>

#include <cmath>

#include "desert_scene.h"
#include "image_effects.h"
#include "overlays.h"

namespace picturegen {
namespace {

QImage Labelled(QImage image, const QString& label) {
    QPainter p(&image);
    DrawLabel(p, label);
    return image;
}

QImage Scene(const std::function<void(SceneOptions&)>& adjust = {}) {
    SceneOptions options;
    if (adjust) {
        adjust(options);
    }
    return RenderScene(options);
}

// A picture of the scene with one option changed, and a label.
Picture Variant(const QString& file, const QString& label,
                const std::function<void(SceneOptions&)>& adjust) {
    return {file, [=] { return Labelled(Scene(adjust), label); }};
}

// A picture of the scene with one option changed, a magnified detail, and a label.
Picture Magnified(const QString& file, const QString& label, const QRect& from, const QRect& to,
                  const std::function<void(SceneOptions&)>& adjust) {
    return {file, [=] {
                QImage image = Scene(adjust);
                DrawMagnifier(image, from, to);
                return Labelled(image, label);
            }};
}

Picture Processed(const QString& file, const QString& label,
                  const std::function<void(SceneOptions&)>& adjust,
                  const std::function<void(QImage&)>& process) {
    return {file, [=] {
                QImage image = Scene(adjust);
                process(image);
                return Labelled(image, label);
            }};
}

Picture Overlaid(const QString& file, const QString& label,
                 const std::function<void(QPainter&)>& draw) {
    return {file, [=] {
                QImage image = Scene();
                {
                    QPainter p(&image);
                    draw(p);
                }
                return Labelled(image, label);
            }};
}

void NoChange(SceneOptions&) {}

// How large the weapon looks at a given weapon field of view, relative to 55 degrees.
double WeaponScale(double fovDegrees) {
    const double half = 3.14159265358979323846 / 360.0;
    return std::tan(55.0 * half) / std::tan(fovDegrees * half);
}

void BlurDistance(QImage& image) {
    const QImage soft = Blurred(image, 7);
    BlendRows(image, soft, [](int y) { return (250.0 - y) / 70.0; });
}

void AddPictures(std::vector<Picture>& list, std::initializer_list<Picture> pictures) {
    list.insert(list.end(), pictures.begin(), pictures.end());
}

void AddDisplayPictures(std::vector<Picture>& list) {
    const QRect wires(150, 32, 64, 44);
    const QRect fence(540, 236, 56, 40);
    const QRect road(286, 154, 64, 32);
    const QRect corner(16, 212, 192, 132);
    AddPictures(
        list,
        {
            Processed("resolution_low.jpg", "Low resolution", NoChange,
                      [](QImage& image) { image = Pixelated(image, 4); }),
            Variant("resolution_high.jpg", "Full resolution", NoChange),
            Variant("fov_narrow.jpg", "Field of view 75",
                    [](SceneOptions& o) { o.camera.fovDegrees = 75; }),
            Variant("fov_wide.jpg", "Field of view 95",
                    [](SceneOptions& o) { o.camera.fovDegrees = 95; }),
            Overlaid("weaponfov_55.jpg", "Weapon field of view 55",
                     [](QPainter& p) { DrawWeapon(p, WeaponScale(55)); }),
            Overlaid("weaponfov_75.jpg", "Weapon field of view 75",
                     [](QPainter& p) { DrawWeapon(p, WeaponScale(75)); }),
            Magnified("aa_off.jpg", "Anti-aliasing off", wires, corner,
                      [](SceneOptions& o) { o.antialias = false; }),
            Magnified("aa_on.jpg", "Anti-aliasing 4 samples", wires, corner, NoChange),
            Magnified("fence_aa_off.jpg", "Transparency anti-aliasing OFF", fence, corner,
                      [](SceneOptions& o) {
                          o.fence = true;
                          o.smoothCutouts = false;
                      }),
            Magnified("fence_aa_on.jpg", "Transparency anti-aliasing ON", fence, corner,
                      [](SceneOptions& o) { o.fence = true; }),
            Magnified("af_off.jpg", "Anisotropic filtering off", road, corner,
                      [](SceneOptions& o) { o.ground = GroundDetail::FarBlurred; }),
            Magnified("af_on.jpg", "Anisotropic filtering 16", road, corner, NoChange),
            Variant("textures_sharp.jpg", "Full textures (0)", NoChange),
            Variant("textures_blurry.jpg", "Reduced textures (2)",
                    [](SceneOptions& o) {
                        o.ground = GroundDetail::Blurred;
                        o.surfaceDetail = false;
                    }),
            Overlaid("hud_faint.jpg", "HUD opacity 30 %", [](QPainter& p) { DrawHud(p, 0.3); }),
            Overlaid("hud_solid.jpg", "HUD opacity 100 %", [](QPainter& p) { DrawHud(p, 1.0); }),
        });
}

// The pond is seen from a little higher up, so that more of its surface shows.
std::function<void(SceneOptions&)> WaterView(Water water) {
    return [water](SceneOptions& o) {
        o.water = water;
        o.wanderer = false;
        o.camera.eyeHeight = 3.0;
    };
}

void AddEffectPictures(std::vector<Picture>& list) {
    const QRect shadow(490, 244, 60, 36);
    const QRect corner(16, 212, 192, 132);
    AddPictures(
        list,
        {
            Variant("shadows_off.jpg", "Character shadows OFF",
                    [](SceneOptions& o) { o.shadows = false; }),
            Variant("shadows_on.jpg", "Character shadows ON", NoChange),
            Magnified("shadowres_low.jpg", "Shadow resolution 256", shadow, corner,
                      [](SceneOptions& o) { o.shadowPixel = 6; }),
            Magnified("shadowres_high.jpg", "Shadow resolution 2048", shadow, corner, NoChange),
            Magnified("shadowfilter_hard.jpg", "Shadow filtering 0", shadow, corner, NoChange),
            Magnified("shadowfilter_soft.jpg", "Shadow filtering 2", shadow, corner,
                      [](SceneOptions& o) { o.shadowSoftness = 6; }),
            Processed(
                "hdr_off.jpg", "HDR lighting OFF", [](SceneOptions& o) { o.sunGlow = 0.15; },
                [](QImage& image) { GradeColours(image, 0.86, 0.82, 0.98); }),
            Processed(
                "hdr_on.jpg", "HDR lighting ON", [](SceneOptions& o) { o.sunGlow = 1.0; },
                [](QImage& image) {
                    GradeColours(image, 1.2, 1.12, 1.0);
                    AddGlow(image, 225, 28, 0.45);
                }),
            Variant("bloom_off.jpg", "Bloom OFF", [](SceneOptions& o) { o.sunGlow = 0.35; }),
            Processed(
                "bloom_on.jpg", "Bloom ON", [](SceneOptions& o) { o.sunGlow = 0.5; },
                [](QImage& image) { AddGlow(image, 150, 48, 1.1); }),
            Variant("dof_off.jpg", "Depth of field OFF", NoChange),
            Variant("dof_on.jpg", "Depth of field ON",
                    [](SceneOptions& o) {
                        o.nearSplit = 12;
                        o.farFilter = BlurDistance;
                    }),
            Variant("water_plain.jpg", "Water reflections OFF", WaterView(Water::Plain)),
            Variant("water_reflect.jpg", "Water reflections ON", WaterView(Water::Mirror)),
            Variant("water_calm.jpg", "Water ripples OFF", WaterView(Water::Mirror)),
            Variant("water_ripples.jpg", "Water ripples ON", WaterView(Water::Ripples)),
            Variant("grass_sparse.jpg", "Grass density 120",
                    [](SceneOptions& o) { o.grassTufts = 120; }),
            Variant("grass_dense.jpg", "Grass density 40",
                    [](SceneOptions& o) { o.grassTufts = 2000; }),
            Overlaid("splatter.jpg", "Blood on the screen", DrawScreenSplatter),
        });
}

void AddDistancePictures(std::vector<Picture>& list) {
    AddPictures(
        list,
        {
            {"grid_5.jpg", [] { return Labelled(CellMap(5), "Loaded area 5 (5 x 5 cells)"); }},
            {"grid_7.jpg", [] { return Labelled(CellMap(7), "Loaded area 7 (7 x 7 cells)"); }},
            Variant("objects_near.jpg", "Short object fade distance",
                    [](SceneOptions& o) { o.objectDistance = 24; }),
            Variant("objects_far.jpg", "Long object fade distance", NoChange),
            Variant("grassfade_near.jpg", "Short grass distance",
                    [](SceneOptions& o) {
                        o.grassTufts = 1400;
                        o.grassDistance = 14;
                    }),
            Variant("grassfade_far.jpg", "Long grass distance",
                    [](SceneOptions& o) {
                        o.grassTufts = 1400;
                        o.grassDistance = 140;
                    }),
            Variant("land_near.jpg", "Short distant land distance",
                    [](SceneOptions& o) { o.landDistance = 3000; }),
            Variant("land_far.jpg", "Long distant land distance", NoChange),
            Variant("trees_near.jpg", "Short distant tree distance",
                    [](SceneOptions& o) { o.treeDistance = 45; }),
            Variant("trees_far.jpg", "Long distant tree distance", NoChange),
        });
}

void AddGameplayPictures(std::vector<Picture>& list) {
    auto dummy = [](bool gore) {
        return [gore](SceneOptions& o) {
            o.wanderer = false;
            o.dummy = true;
            o.gore = gore;
        };
    };
    AddPictures(list, {
                          Variant("gore_shown.jpg", "Gore shown (Disable gore OFF)", dummy(true)),
                          Variant("gore_hidden.jpg", "Gore hidden (Disable gore ON)", dummy(false)),
                          {"mouse_accel_on.jpg",
                           [] { return Labelled(MouseChart(true), "Mouse acceleration ON"); }},
                          {"mouse_accel_off.jpg",
                           [] { return Labelled(MouseChart(false), "Mouse acceleration OFF"); }},
                      });
}

}  // namespace

std::vector<Picture> CataloguePictures() {
    std::vector<Picture> list;
    AddDisplayPictures(list);
    AddEffectPictures(list);
    AddDistancePictures(list);
    AddGameplayPictures(list);
    return list;
}

QImage WelcomePicture() {
    QImage image = Scene([](SceneOptions& o) {
        o.sunGlow = 0.9;
        o.wanderer = false;
    });
    GradeColours(image, 1.05, 1.05, 1.0);
    QPainter p(&image);
    DrawWelcome(p);
    return image;
}

}  // namespace picturegen
