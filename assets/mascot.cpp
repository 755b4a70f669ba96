// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mascot.h"

#include <QPainter>
#include <QPainterPath>

namespace Art {

namespace {

const QColor OUTLINE(112, 58, 22);
const QColor FUR(255, 172, 58);
const QColor BELLY(255, 230, 176);
const QColor INNER_EAR(255, 146, 128);
const QColor CHEEK(255, 128, 120, 150);
const QColor EYE_WHITE(255, 255, 255);
const QColor PUPIL(44, 30, 40);
const QColor MOUTH(150, 40, 40);

// Every measure is on a 100-unit square; the painter scales it to the side.
QPainterPath feet()
{
    QPainterPath path;
    path.addEllipse(QPointF(35, 89), 10, 6.5);
    path.addEllipse(QPointF(65, 89), 10, 6.5);
    return path;
}

// The left ear from `start` over two curves, each given by its control
// point and its end, and the right ear as its mirror image across the
// middle of the face.
QPainterPath earPair(QPointF start, QPointF control1, QPointF end1, QPointF control2, QPointF end2)
{
    QPainterPath ears;
    for (const double side : {1.0, -1.0}) {
        const auto at = [side](QPointF point) {
            return QPointF(50 + side * (point.x() - 50), point.y());
        };
        ears.moveTo(at(start));
        ears.quadTo(at(control1), at(end1));
        ears.quadTo(at(control2), at(end2));
        ears.closeSubpath();
    }
    return ears;
}

QPainterPath silhouette()
{
    QPainterPath body;
    body.addEllipse(QPointF(50, 57), 38, 33);

    const QPainterPath ears = earPair({20, 40}, {12, 14}, {20, 9}, {30, 8}, {42, 27});
    return body.united(ears).united(feet());
}

void drawEye(QPainter &p, QPointF centre, double lookX)
{
    p.setPen(QPen(OUTLINE, 2.0));
    p.setBrush(EYE_WHITE);
    p.drawEllipse(centre, 10.5, 12.5);
    p.setPen(Qt::NoPen);
    p.setBrush(PUPIL);
    p.drawEllipse(centre + QPointF(lookX, 2.5), 7, 8);
    p.setBrush(EYE_WHITE);
    p.drawEllipse(centre + QPointF(lookX + 2.5, -1.5), 3, 3);
    p.drawEllipse(centre + QPointF(lookX - 2.5, 5.5), 1.4, 1.4);
}

} // namespace

QImage drawMirrit(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintMirrit(p, side);
    return image;
}

void paintMirrit(QPainter &p, int side)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 100.0, side / 100.0);

    // The outline is the silhouette grown by half a pen width, filled solid,
    // so the mask has no holes and no soft halo.
    const QPainterPath shape = silhouette();
    QPen rim(OUTLINE, 5.0);
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(OUTLINE);
    p.drawPath(shape);
    p.fillPath(shape, FUR);

    p.fillPath(earPair({23, 34}, {18, 18}, {22, 15}, {28, 15}, {35, 27}), INNER_EAR);

    QPainterPath belly;
    belly.addEllipse(QPointF(50, 73), 24, 15);
    p.fillPath(belly.intersected(shape), BELLY);

    // Drawn again over the body so a line parts each foot from the tummy.
    p.setPen(QPen(OUTLINE, 2.5));
    p.setBrush(FUR);
    p.drawPath(feet());

    drawEye(p, QPointF(36, 50), 1.5);
    drawEye(p, QPointF(64, 50), -1.5);

    p.setPen(Qt::NoPen);
    p.setBrush(CHEEK);
    p.drawEllipse(QPointF(22, 65), 6.5, 4.5);
    p.drawEllipse(QPointF(78, 65), 6.5, 4.5);

    QPainterPath mouth;
    mouth.moveTo(41, 67);
    mouth.cubicTo(43, 78, 57, 78, 59, 67);
    mouth.quadTo(50, 70, 41, 67);
    mouth.closeSubpath();
    p.setPen(QPen(OUTLINE, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(MOUTH);
    p.drawPath(mouth);
}

} // namespace Art
