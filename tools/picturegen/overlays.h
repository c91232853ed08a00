#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

// Things drawn over or instead of the desert scene: labels, a magnifying
// inset, the game's on-screen displays, a first-person weapon, blood on the
// screen, and the two diagrams (loaded cells, mouse acceleration).
namespace picturegen {

// A dark rounded label in the top-left corner naming what the picture shows.
void DrawLabel(QPainter& p, const QString& text);

// Enlarges the `from` area of the image (without smoothing, so single pixels
// stay visible) into the `to` area, framed, with a marker around `from`.
void DrawMagnifier(QImage& image, const QRect& from, const QRect& to);

// Health, compass, action points, ammunition and crosshair in the game's amber.
void DrawHud(QPainter& p, double opacity);

// A revolver held in a gloved hand; scale 1 is the size at the game's default.
void DrawWeapon(QPainter& p, double scale);

void DrawScreenSplatter(QPainter& p);

// Top-down map of the cells around the player, `loaded` x `loaded` of them full.
QImage CellMap(int loaded);

// Pointer travel against hand speed, curved (acceleration on) or straight.
QImage MouseChart(bool acceleration);

// The title and a hint, over the given backdrop.
void DrawWelcome(QPainter& p);

}  // namespace picturegen
