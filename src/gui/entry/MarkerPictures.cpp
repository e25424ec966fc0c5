#include "gui/entry/MarkerPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace scorvane {
namespace {

// A regular pentagon around `centre`, pointing up.
QPolygonF pentagon(QPointF centre, double radius, double turn = 0.0)
{
    QPolygonF corners;
    for (int i = 0; i < 5; ++i) {
        const double angle = -std::numbers::pi / 2 + turn + i * 2 * std::numbers::pi / 5;
        corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return corners;
}

void drawBall(QPainter& p, const QRectF& box)
{
    const QPointF centre = box.center();
    const double r = box.width() / 2;
    p.setPen(QPen(Qt::black, std::max(1.0, r / 7)));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, r, r);

    // The black centre patch and the five patches cut off by the rim.
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawPolygon(pentagon(centre, r * 0.36));
    QPainterPath rim;
    rim.addEllipse(centre, r, r);
    p.setClipPath(rim);
    for (const QPointF& corner : pentagon(centre, r * 1.02, std::numbers::pi / 5))
        p.drawPolygon(pentagon(corner, r * 0.3, std::numbers::pi / 5));
    p.setClipping(false);

    // Seams from the centre patch to the rim patches.
    p.setPen(QPen(Qt::black, std::max(1.0, r / 10)));
    const QPolygonF inner = pentagon(centre, r * 0.36);
    const QPolygonF outer = pentagon(centre, r * 0.75);
    for (int i = 0; i < 5; ++i)
        p.drawLine(inner[i], outer[i]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, std::max(1.0, r / 7)));
    p.drawEllipse(centre, r, r);
}

} // namespace

QPixmap drawMarker(Marker marker, int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const bool highlighted = marker == Marker::BallHL || marker == Marker::NoBallHL;
    if (highlighted) {
        // A yellow tile with a dark frame: visible on any selection colour.
        p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
        p.setBrush(QColor(0xFF, 0xD8, 0x40));
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), 3, 3);
    }
    if (marker == Marker::BallHL || marker == Marker::BallNH) {
        const double inset = size * 0.12;
        drawBall(p, QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    }
    return picture;
}

const char* MarkerName(Marker marker)
{
    switch (marker) {
    case Marker::BallHL:
        return "picBallHL";
    case Marker::BallNH:
        return "picBallNH";
    case Marker::NoBallHL:
        return "picNoBallHL";
    case Marker::NoBallNH:
        return "picNoBallNH";
    }
    return "";
}

} // namespace scorvane
