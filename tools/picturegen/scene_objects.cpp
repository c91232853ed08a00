// The things standing in the desert (wanderer, poles, trees, rocks, shack, car,
// fence, dummy, grass) and the shapes of their shadows on the ground.

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <random>

#include "scene_parts.h"

namespace picturegen::scene {
namespace {

// The sun stands low on the left, so shadows fall towards the viewer and to the
// right. Ground offset of a shadow's tip per metre of height:
constexpr double kShadowDx = 0.62;
constexpr double kShadowDz = -1.2;

struct Box {
    double x0, x1, y0, y1, z0, z1;
};

struct Tree {
    double x, z, height;
};

struct Rock {
    double x, z, size;
};

const Box kShackWalls{8.0, 14.0, 0.0, 3.0, 26.0, 31.0};
const Box kShackRoof{7.6, 14.5, 3.0, 3.18, 25.6, 31.4};
const Box kCarBody{-12.4, -7.9, 0.28, 1.05, 15.0, 16.8};
const Box kCarCabin{-11.2, -9.2, 1.05, 1.55, 15.2, 16.6};

constexpr double kWandererX = 2.6;
constexpr double kWandererZ = 7.5;
constexpr double kDummyX = 2.2;
constexpr double kDummyZ = 5.6;
constexpr double kFenceZ = 4.6;
constexpr double kFenceLeft = 0.8;
constexpr double kFenceRight = 6.2;
constexpr double kFenceHeight = 1.7;
constexpr double kPoleX = -8.0;
constexpr double kPoleHeight = 7.5;

const std::vector<double> kPoleDistances{10, 22, 40, 68, 110, 170, 260, 390, 580, 850};

const std::vector<Tree> kTrees{
    {-16, 24, 4.6},  {13, 52, 8.1},   {-34, 72, 7.6},   {27, 96, 6.5},    {-22, 128, 6.8},
    {48, 150, 7.0},  {-62, 180, 7.3}, {18, 210, 6.2},   {78, 250, 6.8},   {-40, 290, 7.0},
    {-95, 340, 7.6}, {36, 380, 6.5},  {120, 430, 7.0},  {-8, 470, 6.8},   {-150, 520, 7.3},
    {64, 560, 6.5},  {170, 640, 7.6}, {-110, 700, 6.8}, {-210, 800, 7.3}, {100, 860, 6.8},
    {22, 64, 5.9},   {35, 82, 7.0},   {-48, 98, 6.5},   {60, 118, 7.6},   {-28, 160, 6.2},
    {90, 170, 6.8},  {30, 140, 5.7},  {-75, 230, 7.3},  {52, 300, 6.8},   {110, 320, 7.6},
    {-60, 380, 6.5}, {14, 330, 7.0},  {150, 270, 6.8},  {-130, 260, 7.6}, {80, 420, 7.0},
    {-18, 52, 5.1},  {44, 200, 5.9},  {-100, 150, 6.8}, {125, 200, 7.3},  {-45, 420, 6.8},
};

const std::vector<Rock> kRocks{{4.4, 4.8, 0.45},   {-7.2, 8.5, 0.7},  {5.8, 15.0, 0.9},
                               {-13.0, 30.0, 1.3}, {19.0, 36.0, 1.6}, {-26.0, 55.0, 2.2}};

// Draws in metres around a point on the ground, y pointing up.
class Billboard {
public:
    Billboard(QPainter& p, const Camera& camera, double x, double z) : p_(p) {
        p_.save();
        p_.translate(camera.Project(x, 0.0, z));
        const double s = camera.PixelsPerMetre(z);
        p_.scale(s, -s);
    }
    ~Billboard() { p_.restore(); }
    Billboard(const Billboard&) = delete;
    Billboard& operator=(const Billboard&) = delete;

private:
    QPainter& p_;
};

void FillPolygon(QPainter& p, const QColor& colour, std::initializer_list<QPointF> points) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void DrawWanderer(QPainter& p) {
    const QColor coat(74, 60, 50);
    const QColor dark(48, 42, 40);
    FillPolygon(p, dark, {{-0.17, 0}, {-0.05, 0}, {-0.04, 0.8}, {-0.18, 0.8}});
    FillPolygon(p, dark, {{0.05, 0}, {0.17, 0}, {0.18, 0.8}, {0.04, 0.8}});
    FillPolygon(p, coat, {{-0.32, 0.45}, {0.32, 0.45}, {0.25, 1.45}, {-0.25, 1.45}});
    FillPolygon(p, coat.darker(115), {{-0.25, 1.42}, {-0.33, 1.38}, {-0.4, 0.85}, {-0.3, 0.84}});
    FillPolygon(p, coat.darker(115), {{0.25, 1.42}, {0.33, 1.38}, {0.4, 0.85}, {0.3, 0.84}});
    // Rifle slung across the back.
    p.setPen(QPen(QColor(40, 34, 30), 0.05));
    p.drawLine(QPointF(-0.3, 0.75), QPointF(0.34, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(186, 142, 108));
    p.drawEllipse(QPointF(0, 1.56), 0.1, 0.11);
    p.setBrush(QColor(66, 52, 42));
    p.drawEllipse(QPointF(0, 1.64), 0.24, 0.05);
    FillPolygon(p, QColor(66, 52, 42), {{-0.11, 1.64}, {0.11, 1.64}, {0.09, 1.8}, {-0.09, 1.8}});
}

void DrawPole(QPainter& p) {
    const QColor wood(98, 72, 52);
    FillPolygon(p, wood, {{-0.13, 0}, {0.13, 0}, {0.09, kPoleHeight}, {-0.09, kPoleHeight}});
    p.setBrush(wood.darker(110));
    p.drawRect(QRectF(-0.95, kPoleHeight - 0.6, 1.9, 0.14));
    p.setBrush(QColor(120, 150, 140));
    for (double x : {-0.8, -0.3, 0.3, 0.8}) {
        p.drawRect(QRectF(x - 0.04, kPoleHeight - 0.46, 0.08, 0.14));
    }
}

void DrawWires(QPainter& p, const Camera& camera, double zNear, double zFar, bool antialias) {
    p.setRenderHint(QPainter::Antialiasing, antialias);
    for (double dx : {-0.8, 0.8}) {
        const QPointF a = camera.Project(kPoleX + dx, kPoleHeight - 0.35, zNear);
        const QPointF b = camera.Project(kPoleX + dx, kPoleHeight - 0.35, zFar);
        const QPointF sag = camera.Project(kPoleX + dx, kPoleHeight - 1.4, (zNear + zFar) / 2);
        QPainterPath wire(a);
        wire.quadTo(2 * sag - (a + b) / 2, b);
        p.setPen(QPen(QColor(50, 44, 44, 220), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wire);
    }
}

void DrawJoshuaTree(QPainter& p, double height) {
    const QColor bark(96, 76, 60);
    const QColor leaves(100, 122, 58);
    const double h = height;
    FillPolygon(p, bark, {{-0.2, 0}, {0.2, 0}, {0.14, h * 0.55}, {-0.14, h * 0.55}});
    p.setPen(QPen(bark, 0.16, Qt::SolidLine, Qt::RoundCap));
    const QPointF fork(0, h * 0.5);
    const QPointF tips[] = {{-h * 0.28, h * 0.82}, {h * 0.05, h * 0.95}, {h * 0.3, h * 0.75}};
    for (const QPointF& tip : tips) {
        p.drawLine(fork, tip);
    }
    p.setPen(QPen(leaves, 0.07, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& tip : tips) {
        for (int i = 0; i < 9; ++i) {
            const double a = kPi * (0.05 + 0.9 * i / 8.0);
            p.drawLine(tip, tip + QPointF(std::cos(a) * 0.45, std::sin(a) * 0.4 - 0.1));
        }
    }
}

void DrawRock(QPainter& p, double size) {
    const double s = size;
    FillPolygon(p, QColor(150, 108, 78),
                {{-s, 0}, {-s * 0.8, s * 0.5}, {-s * 0.2, s * 0.75}, {s * 0.5, s * 0.6}, {s, 0}});
    FillPolygon(p, QColor(120, 84, 62),
                {{s * 0.1, 0}, {s * 0.2, s * 0.7}, {s * 0.5, s * 0.6}, {s, 0}});
}

void DrawGrassTuft(QPainter& p, std::mt19937& random, double alpha) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const QColor shades[] = {{164, 160, 86}, {140, 142, 70}, {196, 176, 104}};
    const QColor colour = shades[random() % 3];
    const int blades = 6 + int(random() % 5);
    const double height = 0.3 + 0.3 * unit(random);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), int(255 * alpha)));
    for (int i = 0; i < blades; ++i) {
        const double lean = (unit(random) - 0.5) * 0.6;
        const double base = (unit(random) - 0.5) * 0.25;
        const double tall = height * (0.6 + 0.4 * unit(random));
        QPainterPath blade(QPointF(base - 0.02, 0));
        blade.quadTo(QPointF(base + lean * 0.3, tall * 0.6), QPointF(base + lean, tall));
        blade.quadTo(QPointF(base + lean * 0.3 + 0.02, tall * 0.5), QPointF(base + 0.03, 0));
        p.drawPath(blade);
    }
}

QPolygonF ProjectBoxFace(const Camera& c, const Box& b, char face) {
    switch (face) {
        case 'f':
            return QPolygonF({c.Project(b.x0, b.y0, b.z0), c.Project(b.x1, b.y0, b.z0),
                              c.Project(b.x1, b.y1, b.z0), c.Project(b.x0, b.y1, b.z0)});
        case 'l':
            return QPolygonF({c.Project(b.x0, b.y0, b.z0), c.Project(b.x0, b.y0, b.z1),
                              c.Project(b.x0, b.y1, b.z1), c.Project(b.x0, b.y1, b.z0)});
        case 'r':
            return QPolygonF({c.Project(b.x1, b.y0, b.z0), c.Project(b.x1, b.y0, b.z1),
                              c.Project(b.x1, b.y1, b.z1), c.Project(b.x1, b.y1, b.z0)});
        default:
            return QPolygonF({c.Project(b.x0, b.y1, b.z0), c.Project(b.x1, b.y1, b.z0),
                              c.Project(b.x1, b.y1, b.z1), c.Project(b.x0, b.y1, b.z1)});
    }
}

// Draws the faces of a box that the camera can see.
void DrawBox(QPainter& p, const Camera& c, const Box& b, const QColor& front, const QColor& side,
             const QColor& top) {
    p.setPen(Qt::NoPen);
    if (b.x0 > 0) {
        p.setBrush(side);
        p.drawPolygon(ProjectBoxFace(c, b, 'l'));
    } else if (b.x1 < 0) {
        p.setBrush(side);
        p.drawPolygon(ProjectBoxFace(c, b, 'r'));
    }
    if (b.y1 < c.eyeHeight) {  // seen from above
        p.setBrush(top);
        p.drawPolygon(ProjectBoxFace(c, b, 't'));
    }
    p.setBrush(front);
    p.drawPolygon(ProjectBoxFace(c, b, 'f'));
}

// A painter transform that draws in metres on the front face of a box.
void EnterFrontFace(QPainter& p, const Camera& c, const Box& b) {
    p.translate(c.Project(b.x0, b.y0, b.z0));
    const double s = c.PixelsPerMetre(b.z0);
    p.scale(s, -s);
}

void DrawShack(QPainter& p, const Camera& c, bool detail) {
    DrawBox(p, c, kShackWalls, QColor(176, 136, 98), QColor(140, 104, 76), QColor(150, 110, 80));
    p.save();
    EnterFrontFace(p, c, kShackWalls);
    if (detail) {
        p.setPen(QPen(QColor(130, 96, 70), 0.05));
        for (double x = 0.3; x < 6.0; x += 0.3) {
            p.drawLine(QPointF(x, 0.0), QPointF(x, 3.0));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 80, 50, 90));
        p.drawEllipse(QPointF(4.6, 0.6), 0.6, 0.35);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 40));
    p.drawRect(QRectF(1.0, 0.0, 1.0, 2.1));
    p.setBrush(QColor(96, 120, 130));
    p.drawRect(QRectF(3.4, 1.2, 1.4, 0.9));
    p.setPen(QPen(QColor(110, 80, 60), 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.4, 1.2, 1.4, 0.9));
    p.restore();
    DrawBox(p, c, kShackRoof, QColor(132, 86, 64), QColor(118, 76, 58), QColor(140, 96, 70));
}

void DrawCar(QPainter& p, const Camera& c, bool detail) {
    DrawBox(p, c, kCarCabin, QColor(124, 64, 44), QColor(100, 52, 38), QColor(136, 74, 50));
    DrawBox(p, c, kCarBody, QColor(138, 72, 48), QColor(110, 58, 40), QColor(150, 84, 56));
    p.save();
    EnterFrontFace(p, c, kCarBody);
    p.setPen(Qt::NoPen);
    if (detail) {
        p.setBrush(QColor(90, 50, 36, 170));
        p.drawEllipse(QPointF(3.3, 0.45), 0.5, 0.2);
        p.drawEllipse(QPointF(1.6, 0.2), 0.35, 0.12);
    }
    p.setBrush(QColor(30, 26, 26));
    p.drawEllipse(QPointF(0.9, 0.0), 0.36, 0.36);
    p.drawEllipse(QPointF(3.6, 0.0), 0.36, 0.36);
    p.setBrush(QColor(200, 190, 170));
    p.drawRect(QRectF(4.3, 0.45, 0.2, 0.14));
    p.restore();
    p.save();
    EnterFrontFace(p, c, kCarCabin);
    p.setBrush(QColor(70, 86, 96));
    p.drawRect(QRectF(0.15, 0.08, 0.75, 0.34));
    p.drawRect(QRectF(1.05, 0.08, 0.8, 0.34));
    p.restore();
}

void DrawFence(QPainter& p, bool antialias) {
    p.setRenderHint(QPainter::Antialiasing, antialias);
    const double width = kFenceRight - kFenceLeft;
    p.setPen(QPen(QColor(120, 122, 124), 0.012));
    for (double x = -kFenceHeight; x < width; x += 0.13) {
        p.drawLine(QPointF(std::max(x, 0.0), std::max(0.0, -x)),
                   QPointF(std::min(x + kFenceHeight, width), std::min(kFenceHeight, width - x)));
        p.drawLine(
            QPointF(std::min(x + kFenceHeight, width), std::max(0.0, x + kFenceHeight - width)),
            QPointF(std::max(x, 0.0), std::min(kFenceHeight, x + kFenceHeight)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 98, 96));
    for (double x = 0; x <= width + 0.01; x += width / 2) {
        p.drawRect(QRectF(x - 0.04, 0, 0.08, kFenceHeight + 0.05));
    }
    p.drawRect(QRectF(0, kFenceHeight - 0.03, width, 0.05));
}

// A straw training dummy on a post, as found in a shooting range.
void DrawDummy(QPainter& p, bool gore) {
    const QColor straw(212, 182, 124);
    const QColor rope(150, 112, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 78, 56));
    p.drawRect(QRectF(-0.06, 0, 0.12, 1.2));
    p.setPen(QPen(straw.darker(108), 0.16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-0.62, 1.42), QPointF(0.62, 1.42));
    p.setPen(Qt::NoPen);
    p.setBrush(straw);
    p.drawEllipse(QPointF(0, 1.18), 0.3, 0.4);
    p.drawEllipse(QPointF(0, 1.78), 0.16, 0.18);
    p.setPen(QPen(rope, 0.03));
    for (double y : {0.98, 1.3, 1.68}) {
        p.drawLine(QPointF(-0.22, y), QPointF(0.22, y));
    }
    for (double x : {-0.45, 0.45}) {
        p.drawLine(QPointF(x, 1.34), QPointF(x, 1.5));
    }
    if (!gore) {
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 12, 14, 230));
    p.drawEllipse(QPointF(0.08, 1.25), 0.11, 0.09);
    p.drawEllipse(QPointF(-0.1, 1.7), 0.06, 0.05);
    p.setBrush(QColor(150, 20, 20, 200));
    for (int i = 0; i < 7; ++i) {
        p.drawEllipse(QPointF(0.28 + 0.09 * i, 1.3 + 0.05 * std::sin(i * 2.0)), 0.03, 0.025);
    }
    FillPolygon(p, QColor(120, 10, 12, 220),
                {{0.03, 1.2}, {0.07, 1.2}, {0.06, 0.95}, {0.045, 0.93}});
}

std::vector<QPointF> ConvexHull(std::vector<QPointF> points) {
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> hull(2 * points.size());
    size_t k = 0;
    for (const QPointF& pt : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], pt) <= 0) --k;
        hull[k++] = pt;
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
        hull[k++] = points[i];
    }
    hull.resize(k > 0 ? k - 1 : 0);
    return hull;
}

QPointF ShadowPoint(double x, double z, double height) {
    return {x + kShadowDx * height, z + kShadowDz * height};
}

std::vector<QPointF> BoxShadow(const Box& b) {
    std::vector<QPointF> points;
    for (double x : {b.x0, b.x1}) {
        for (double z : {b.z0, b.z1}) {
            points.emplace_back(x, z);
            points.push_back(ShadowPoint(x, z, b.y1));
        }
    }
    return ConvexHull(points);
}

// The outline of a standing figure laid flat along the shadow direction.
std::vector<QPointF> ProfileShadow(double x, double z,
                                   const std::vector<std::pair<double, double>>& profile) {
    std::vector<QPointF> left, right;
    for (const auto& [height, half] : profile) {
        const QPointF centre = ShadowPoint(x, z, height);
        left.emplace_back(centre.x() - half, centre.y());
        right.emplace_back(centre.x() + half, centre.y());
    }
    std::vector<QPointF> outline(left.begin(), left.end());
    outline.insert(outline.end(), right.rbegin(), right.rend());
    return outline;
}

void AddGrass(std::vector<Drawable>& list, const SceneOptions& o) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < o.grassTufts; ++i) {
        const double z = 2.2 + 140 * std::pow(unit(random), 1.7);
        const double x = (unit(random) * 2 - 1) * z * 1.5;
        const unsigned seed = random();
        const bool onRoad = x > kRoadLeft - 0.3 && x < kRoadRight + 0.3;
        const double px = (x - kPond.x) / kPond.rx;
        const double pz = (z - kPond.z) / kPond.rz;
        const bool inPond = o.water != Water::None && px * px + pz * pz < 1.1;
        if (onRoad || inPond || z > o.grassDistance) {
            continue;
        }
        const double fadeStart = o.grassDistance * 0.8;
        const double alpha =
            z < fadeStart ? 1.0 : 1.0 - (z - fadeStart) / (o.grassDistance - fadeStart);
        list.push_back({z, [&o, x, z, seed, alpha](QPainter& p) {
                            std::mt19937 tuft(seed);
                            p.setRenderHint(QPainter::Antialiasing, o.antialias && o.smoothCutouts);
                            Billboard b(p, o.camera, x, z);
                            DrawGrassTuft(p, tuft, alpha);
                        }});
    }
}

}  // namespace

void DrawGoreOnGround(QPainter& p, const Camera& camera) {
    p.setPen(Qt::NoPen);
    const struct {
        double x, z, r;
    } splats[] = {{2.9, 4.9, 0.3}, {3.5, 5.3, 0.16}, {2.0, 4.6, 0.13}, {3.8, 4.4, 0.1}};
    for (const auto& s : splats) {
        p.setBrush(QColor(120, 12, 14, 210));
        p.drawPolygon(GroundPolygon(camera, EllipseOnGround(s.x, s.z, s.r * 1.4, s.r, 14)));
    }
}

void DrawShadowShapes(QPainter& p, const SceneOptions& o) {
    const Camera& c = o.camera;
    auto fill = [&](const std::vector<QPointF>& ground) {
        p.drawPolygon(GroundPolygon(c, ClipNear(ground, 0.7)));
    };
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    if (o.wanderer) {
        fill(ProfileShadow(kWandererX, kWandererZ,
                           {{0, 0.17},
                            {0.5, 0.22},
                            {0.9, 0.38},
                            {1.4, 0.3},
                            {1.5, 0.12},
                            {1.62, 0.24},
                            {1.7, 0.1},
                            {1.8, 0.08}}));
    }
    if (o.dummy) {
        fill(ProfileShadow(
            kDummyX, kDummyZ,
            {{0, 0.06}, {0.8, 0.3}, {1.35, 0.62}, {1.5, 0.15}, {1.6, 0.16}, {1.95, 0.1}}));
    }
    for (double z : kPoleDistances) {
        if (z <= o.objectDistance) {
            fill(ProfileShadow(kPoleX, z,
                               {{0, 0.13},
                                {kPoleHeight - 0.6, 0.1},
                                {kPoleHeight - 0.55, 0.95},
                                {kPoleHeight - 0.45, 0.95},
                                {kPoleHeight, 0.09}}));
        }
    }
    for (const Tree& t : kTrees) {
        if (t.z <= o.treeDistance) {
            fill(ProfileShadow(t.x, t.z,
                               {{0, 0.2},
                                {t.height * 0.5, 0.15},
                                {t.height * 0.7, t.height * 0.3},
                                {t.height * 0.95, t.height * 0.2}}));
        }
    }
    if (o.objectDistance >= kShackWalls.z0) {
        fill(BoxShadow(kShackRoof));
    }
    if (o.objectDistance >= kCarBody.z0) {
        fill(BoxShadow(kCarBody));
        fill(BoxShadow(kCarCabin));
    }
    for (const Rock& r : kRocks) {
        if (r.z <= o.objectDistance) {
            fill(ProfileShadow(r.x, r.z, {{0, r.size}, {r.size * 0.7, r.size * 0.5}}));
        }
    }
}

std::vector<Drawable> CollectDrawables(const SceneOptions& o, bool withGrass) {
    std::vector<Drawable> list;
    const Camera& c = o.camera;
    for (size_t i = 0; i < kPoleDistances.size(); ++i) {
        const double z = kPoleDistances[i];
        if (z > o.objectDistance) {
            continue;
        }
        const double next = i + 1 < kPoleDistances.size() ? kPoleDistances[i + 1] : 0.0;
        list.push_back({z, [&o, &c, z, next](QPainter& p) {
                            if (next > 0 && next <= o.objectDistance) {
                                DrawWires(p, c, z, next, o.antialias);
                            }
                            Billboard b(p, c, kPoleX, z);
                            DrawPole(p);
                        }});
    }
    for (const Tree& t : kTrees) {
        if (t.z <= o.treeDistance) {
            list.push_back({t.z, [&c, t](QPainter& p) {
                                Billboard b(p, c, t.x, t.z);
                                DrawJoshuaTree(p, t.height);
                            }});
        }
    }
    for (const Rock& r : kRocks) {
        if (r.z <= o.objectDistance) {
            list.push_back({r.z, [&c, r](QPainter& p) {
                                Billboard b(p, c, r.x, r.z);
                                DrawRock(p, r.size);
                            }});
        }
    }
    if (o.objectDistance >= kShackWalls.z0) {
        list.push_back(
            {kShackWalls.z0, [&o](QPainter& p) { DrawShack(p, o.camera, o.surfaceDetail); }});
    }
    if (o.objectDistance >= kCarBody.z0) {
        list.push_back({kCarBody.z0, [&o](QPainter& p) { DrawCar(p, o.camera, o.surfaceDetail); }});
    }
    if (o.wanderer) {
        list.push_back({kWandererZ, [&c](QPainter& p) {
                            Billboard b(p, c, kWandererX, kWandererZ);
                            DrawWanderer(p);
                        }});
    }
    if (o.dummy) {
        list.push_back({kDummyZ, [&o](QPainter& p) {
                            Billboard b(p, o.camera, kDummyX, kDummyZ);
                            DrawDummy(p, o.gore);
                        }});
    }
    if (o.fence) {
        list.push_back({kFenceZ, [&o](QPainter& p) {
                            Billboard b(p, o.camera, kFenceLeft, kFenceZ);
                            DrawFence(p, o.antialias && o.smoothCutouts);
                        }});
    }
    if (withGrass) {
        AddGrass(list, o);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Drawable& a, const Drawable& b) { return a.z > b.z; });
    return list;
}

}  // namespace picturegen::scene
