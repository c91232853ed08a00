#include "overlays.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "desert_scene.h"

namespace picturegen {
namespace {

const QColor kAmber(255, 182, 66);
const QColor kLabelBack(24, 20, 22, 185);
const QColor kPanelBack(250, 240, 222);
const QColor kInk(62, 44, 36);

QFont Font(int pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void DrawTextAt(QPainter& p, const QPointF& at, const QString& text, int pixels, bool bold,
                const QColor& colour) {
    p.setFont(Font(pixels, bold));
    p.setPen(colour);
    p.drawText(at, text);
}

void DrawBar(QPainter& p, const QRectF& box, double filled) {
    p.setPen(QPen(kAmber, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    const double gap = 2.5;
    const double segment = 9.0;
    for (double x = box.left() + gap; x + segment <= box.left() + box.width() * filled;
         x += segment + 2) {
        p.drawRect(QRectF(x, box.top() + gap, segment, box.height() - 2 * gap));
    }
}

void DrawCompass(QPainter& p, const QRectF& box) {
    p.setPen(QPen(kAmber, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    for (int i = 0; i <= 16; ++i) {
        const double x = box.left() + 6 + i * (box.width() - 12) / 16;
        p.drawLine(QPointF(x, box.bottom() - (i % 4 == 0 ? 9 : 5)), QPointF(x, box.bottom()));
    }
    DrawTextAt(p, {box.center().x() - 5, box.top() + 13}, QStringLiteral("N"), 12, true, kAmber);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawPolygon(QPolygonF({QPointF(box.left() + box.width() * 0.72, box.top() + 5),
                             QPointF(box.left() + box.width() * 0.72 + 5, box.top() + 12),
                             QPointF(box.left() + box.width() * 0.72 - 5, box.top() + 12)}));
}

}  // namespace

void DrawLabel(QPainter& p, const QString& text) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = Font(17, true);
    const QFontMetricsF metrics(font);
    const QRectF box(12, 12, metrics.horizontalAdvance(text) + 24, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(kLabelBack);
    p.drawRoundedRect(box, 8, 8);
    p.setFont(font);
    p.setPen(QColor(255, 244, 226));
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void DrawMagnifier(QImage& image, const QRect& from, const QRect& to) {
    const QImage detail =
        image.copy(from).scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 250, 240), 2));
    p.drawRect(from);
    p.setPen(QPen(QColor(255, 250, 240, 170), 1.2, Qt::DashLine));
    if (to.top() > from.bottom()) {
        p.drawLine(from.bottomLeft(), to.topLeft());
        p.drawLine(from.bottomRight(), to.topRight());
    } else if (to.bottom() < from.top()) {
        p.drawLine(from.topLeft(), to.bottomLeft());
        p.drawLine(from.topRight(), to.bottomRight());
    } else {
        const bool right = to.left() > from.right();
        p.drawLine(right ? from.topRight() : from.topLeft(), right ? to.topLeft() : to.topRight());
        p.drawLine(right ? from.bottomRight() : from.bottomLeft(),
                   right ? to.bottomLeft() : to.bottomRight());
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(to).translated(3, 4).adjusted(-4, -4, 4, 4), 6, 6);
    p.setBrush(QColor(255, 250, 240));
    p.drawRoundedRect(QRectF(to).adjusted(-4, -4, 4, 4), 6, 6);
    p.drawImage(to.topLeft(), detail);
}

void DrawHud(QPainter& p, double opacity) {
    p.save();
    p.setOpacity(opacity);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double bottom = kHeight - 20;
    DrawTextAt(p, {24, bottom - 34}, QStringLiteral("HP"), 14, true, kAmber);
    DrawBar(p, QRectF(50, bottom - 48, 140, 18), 0.8);
    DrawCompass(p, QRectF(24, bottom - 24, 166, 22));
    DrawTextAt(p, {kWidth - 190, bottom - 34}, QStringLiteral("AP"), 14, true, kAmber);
    DrawBar(p, QRectF(kWidth - 164, bottom - 48, 140, 18), 0.6);
    DrawTextAt(p, {kWidth - 120, bottom - 6}, QStringLiteral("6 / 48"), 16, true, kAmber);
    const QPointF centre(kWidth / 2.0, kHeight / 2.0);
    p.setPen(QPen(kAmber, 2));
    for (const QPointF& d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        p.drawLine(centre + d * 6, centre + d * 14);
    }
    p.restore();
}

void DrawWeapon(QPainter& p, double scale) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(kWidth + 10, kHeight + 40);
    p.scale(scale * 1.2, scale * 1.2);
    p.rotate(20);
    // Barrel and frame pointing towards the middle of the screen.
    QLinearGradient steel(0, -120, 0, -60);
    steel.setColorAt(0.0, QColor(120, 124, 130));
    steel.setColorAt(1.0, QColor(52, 54, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(-330, -128, 230, 26), 6, 6);
    p.drawRoundedRect(QRectF(-150, -140, 110, 60), 10, 10);
    p.setBrush(QColor(70, 72, 78));
    p.drawEllipse(QRectF(-160, -136, 70, 52));
    p.setBrush(QColor(40, 40, 44));
    p.drawRect(QRectF(-338, -140, 14, 14));
    // Wooden grip and the gloved hand around it.
    p.setBrush(QColor(112, 70, 42));
    p.drawRoundedRect(QRectF(-90, -110, 60, 150), 14, 14);
    p.setBrush(QColor(84, 64, 50));
    p.drawRoundedRect(QRectF(-120, -95, 150, 140), 40, 40);
    p.setBrush(QColor(70, 54, 42));
    for (int i = 0; i < 3; ++i) {
        p.drawRoundedRect(QRectF(-132, -88 + i * 34, 60, 30), 14, 14);
    }
    p.restore();
}

void DrawScreenSplatter(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const struct {
        double x, y, r;
    } blots[] = {{30, 40, 46},   {85, 18, 22},   {12, 120, 26}, {610, 300, 52},
                 {560, 345, 30}, {630, 210, 20}, {70, 330, 28}, {520, 20, 18}};
    for (const auto& b : blots) {
        QRadialGradient g(QPointF(b.x, b.y), b.r);
        g.setColorAt(0.0, QColor(130, 8, 10, 220));
        g.setColorAt(0.7, QColor(120, 6, 8, 170));
        g.setColorAt(1.0, QColor(110, 4, 6, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(b.x, b.y), b.r, b.r * 0.85);
        p.setBrush(QColor(120, 8, 10, 160));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 1.3 + b.x;
            p.drawEllipse(QPointF(b.x + std::cos(a) * b.r * 1.3, b.y + std::sin(a) * b.r * 1.2),
                          b.r * 0.12, b.r * 0.1);
        }
    }
    p.restore();
}

QImage CellMap(int loaded) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sand(0, 0, 0, kHeight);
    sand.setColorAt(0.0, QColor(226, 194, 142));
    sand.setColorAt(1.0, QColor(196, 150, 100));
    p.fillRect(image.rect(), sand);
    const int cells = 11;
    const double size = 29.0;
    const QPointF origin(kWidth / 2.0 - cells * size / 2, kHeight / 2.0 - cells * size / 2 + 6);
    const int first = (cells - loaded) / 2;
    // The road runs through the map, under the cells.
    p.fillRect(QRectF(origin.x() + 4.4 * size, origin.y() - 10, 0.5 * size, cells * size + 20),
               QColor(96, 90, 86, 200));
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const QRectF cell(origin.x() + col * size, origin.y() + row * size, size - 2, size - 2);
            const bool full =
                row >= first && row < first + loaded && col >= first && col < first + loaded;
            p.setPen(Qt::NoPen);
            p.setBrush(full ? QColor(214, 120, 62, 220) : QColor(250, 236, 206, 120));
            p.drawRoundedRect(cell, 3, 3);
        }
    }
    // The player in the middle cell, looking north.
    const QPointF centre = origin + QPointF(cells * size / 2 - 1, cells * size / 2 - 1);
    p.setBrush(QColor(255, 248, 230));
    p.setPen(QPen(kInk, 2));
    p.drawPolygon(QPolygonF({centre + QPointF(0, -10), centre + QPointF(8, 8),
                             centre + QPointF(0, 4), centre + QPointF(-8, 8)}));
    p.setPen(kInk);
    p.setFont(Font(13, false));
    p.drawText(QRectF(origin.x() + cells * size + 14, origin.y() + 4 * size, 140, 80),
               Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Orange: loaded in full detail\nPale: distant land only"));
    return image;
}

QImage MouseChart(bool acceleration) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient back(0, 0, 0, kHeight);
    back.setColorAt(0.0, QColor(120, 150, 186));
    back.setColorAt(1.0, QColor(236, 206, 160));
    p.fillRect(image.rect(), back);
    const QRectF panel(70, 58, 500, 280);
    p.setPen(Qt::NoPen);
    p.setBrush(kPanelBack);
    p.drawRoundedRect(panel, 14, 14);
    const QRectF plot(panel.left() + 70, panel.top() + 24, panel.width() - 100,
                      panel.height() - 80);
    p.setPen(QPen(QColor(210, 190, 160), 1));
    for (int i = 1; i < 5; ++i) {
        p.drawLine(QPointF(plot.left() + plot.width() * i / 5, plot.top()),
                   QPointF(plot.left() + plot.width() * i / 5, plot.bottom()));
        p.drawLine(QPointF(plot.left(), plot.top() + plot.height() * i / 5),
                   QPointF(plot.right(), plot.top() + plot.height() * i / 5));
    }
    p.setPen(QPen(kInk, 2));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    // Turn for a given hand speed t: even without acceleration; with it, slow
    // movements turn less and fast ones more.
    auto curve = [&](double bend) {
        QPainterPath path(plot.bottomLeft());
        for (int i = 1; i <= 60; ++i) {
            const double t = i / 60.0;
            const double turn = 0.75 * ((1.0 - bend * 0.625) * t + bend * t * t);
            path.lineTo(plot.left() + t * plot.width(), plot.bottom() - turn * plot.height());
        }
        return path;
    };
    p.setBrush(Qt::NoBrush);
    if (acceleration) {
        p.setPen(QPen(QColor(120, 100, 90), 2, Qt::DashLine));
        p.drawPath(curve(0.0));
    }
    p.setPen(QPen(QColor(200, 92, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve(acceleration ? 0.8 : 0.0));
    p.setPen(kInk);
    p.setFont(Font(14, false));
    p.drawText(QRectF(plot.left(), plot.bottom() + 10, plot.width(), 22), Qt::AlignCenter,
               QStringLiteral("How fast you move the mouse"));
    p.save();
    p.translate(plot.left() - 22, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -12, plot.height(), 24), Qt::AlignCenter,
               QStringLiteral("How far the view turns"));
    p.restore();
    return image;
}

void DrawWelcome(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF panel(120, 176, 400, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(panel.translated(4, 6), 18, 18);
    p.setBrush(kPanelBack);
    p.drawRoundedRect(panel, 18, 18);
    p.setPen(kInk);
    p.setFont(Font(52, true));
    p.drawText(QRectF(panel.left(), panel.top() + 14, panel.width(), 70), Qt::AlignCenter,
               QStringLiteral("Quorvane"));
    p.setPen(QColor(200, 92, 40));
    p.drawLine(QPointF(panel.center().x() - 90, panel.top() + 88),
               QPointF(panel.center().x() + 90, panel.top() + 88));
    p.setPen(kInk);
    p.setFont(Font(18, false));
    p.drawText(QRectF(panel.left(), panel.top() + 96, panel.width(), 40), Qt::AlignCenter,
               QStringLiteral("Pick a category, then a setting."));
    p.restore();
}

}  // namespace picturegen
