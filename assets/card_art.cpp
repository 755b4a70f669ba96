// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card_art.h"

#include "cards/card_rules.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <vector>

namespace Art {

namespace {

enum class Suit { Spades, Clubs, Diamonds, Hearts };

constexpr double PI = 3.14159265358979323846;

const QColor PAPER(255, 255, 255);
const QColor EDGE(92, 92, 100);
const QColor RED(204, 18, 42);
const QColor BLACK(24, 24, 28);
const QColor GOLD(232, 182, 46);
const QColor GOLD_DARK(150, 104, 22);
const QColor BLUE(40, 82, 172);
const QColor SKIN(252, 224, 194);
const QColor HAIR(118, 70, 32);
const QColor FAIR_HAIR(204, 148, 56);
const QColor FEATURES(70, 40, 30);
const QColor STEEL(196, 202, 214);
const QColor IVORY(250, 248, 240);
const QColor PANEL(255, 249, 232);
const QColor CPU_BAND(106, 80, 216);
const QColor CPU_EDGE(60, 40, 140);
const QColor BACK_FIELD(138, 20, 38);
const QColor BACK_LATTICE(214, 96, 108);
const QColor BACK_KNOT(248, 196, 196);

double cardW()
{
    return CARD_SIZE.width();
}
double cardH()
{
    return CARD_SIZE.height();
}

Suit suitOf(int code)
{
    return static_cast<Suit>(cardSuit(code));
}
bool isRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}
QColor inkOf(Suit suit)
{
    return isRed(suit) ? RED : BLACK;
}

double cornerRadius()
{
    return 0.085 * cardW();
}

QPainterPath cardShape()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, cardW(), cardH()), cornerRadius(), cornerRadius());
    return path;
}

// Half-pixel placement keeps one-pixel frame lines crisp instead of smeared
// over two pixel rows.
double onPixel(double v)
{
    return std::floor(v) + 0.5;
}

void paintBlankCard(QPainter &p)
{
    p.fillPath(cardShape(), PAPER);
    QPainterPath edge;
    edge.addRoundedRect(QRectF(0.5, 0.5, cardW() - 1, cardH() - 1), cornerRadius() - 0.5,
                        cornerRadius() - 0.5);
    p.strokePath(edge, QPen(EDGE, 1.0));
}

// Suit signs live in a unit box centred on the origin, y pointing down, so
// one shape serves the corner index, the pips and the ace.
QPainterPath heartShape()
{
    QPainterPath p;
    p.moveTo(0, -0.27);
    p.cubicTo(0.10, -0.50, 0.50, -0.52, 0.50, -0.18);
    p.cubicTo(0.50, 0.08, 0.16, 0.26, 0, 0.48);
    p.cubicTo(-0.16, 0.26, -0.50, 0.08, -0.50, -0.18);
    p.cubicTo(-0.50, -0.52, -0.10, -0.50, 0, -0.27);
    p.closeSubpath();
    return p;
}

QPainterPath stemShape()
{
    QPainterPath p;
    p.moveTo(-0.07, 0.05);
    p.quadTo(-0.05, 0.36, -0.25, 0.50);
    p.lineTo(0.25, 0.50);
    p.quadTo(0.05, 0.36, 0.07, 0.05);
    p.closeSubpath();
    return p;
}

QPainterPath suitShape(Suit suit)
{
    QPainterPath shape;
    switch (suit) {
    case Suit::Hearts:
        shape = heartShape();
        break;
    case Suit::Diamonds:
        shape.moveTo(0, -0.50);
        shape.quadTo(0.16, -0.22, 0.40, 0);
        shape.quadTo(0.16, 0.22, 0, 0.50);
        shape.quadTo(-0.16, 0.22, -0.40, 0);
        shape.quadTo(-0.16, -0.22, 0, -0.50);
        shape.closeSubpath();
        break;
    case Suit::Spades: {
        // The spade's blade is a heart stood on its head.
        QTransform flip;
        flip.translate(0, -0.12);
        flip.scale(1.0, -0.78);
        shape = flip.map(heartShape()).united(stemShape());
        break;
    }
    case Suit::Clubs: {
        // Each part is united on its own: one path holding overlapping
        // circles would fill their overlaps as holes.
        const auto disc = [](double x, double y, double r) {
            QPainterPath d;
            d.addEllipse(QPointF(x, y), r, r);
            return d;
        };
        shape = disc(0, -0.26, 0.23)
                    .united(disc(-0.24, 0.07, 0.23))
                    .united(disc(0.24, 0.07, 0.23))
                    .united(disc(0, -0.02, 0.16))
                    .united(stemShape());
        break;
    }
    }
    return shape;
}

void fillSuit(QPainter &p, Suit suit, QPointF centre, double size, bool upsideDown)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (upsideDown)
        t.rotate(180);
    t.scale(size, size);
    p.fillPath(t.map(suitShape(suit)), inkOf(suit));
}

// One move of the pen that writes a rank: Move and Line take a point,
// Curve two control points and its end, Oval its bounding box.
enum PenMove { Move, Line, Curve, Oval };

struct Stroke
{
    PenMove move;
    double v[6];
};

// Rank strokes in a unit box (x right, y down); they are stroked after being
// mapped to pixels so the pen keeps its width whatever the box's shape. The
// ten squeezes both digits into one box, as printed indices do.
// clang-format off
const std::vector<Stroke> RANK_STROKES[] = {
    /* A */ {{Move, 0, 1}, {Line, 0.5, 0}, {Line, 1, 1}, {Move, 0.2, 0.64}, {Line, 0.8, 0.64}},
    /* 2 */ {{Move, 0.04, 0.26}, {Curve, 0.08, -0.08, 0.96, -0.08, 0.94, 0.30},
             {Curve, 0.92, 0.54, 0.40, 0.70, 0.02, 1}, {Line, 1, 1}},
    /* 3 */ {{Move, 0.06, 0.14}, {Curve, 0.26, -0.06, 0.94, -0.06, 0.92, 0.24},
             {Curve, 0.90, 0.44, 0.62, 0.47, 0.38, 0.47},
             {Curve, 0.72, 0.47, 1.00, 0.56, 0.98, 0.76},
             {Curve, 0.96, 1.06, 0.24, 1.06, 0.02, 0.86}},
    /* 4 */ {{Move, 0.74, 1}, {Line, 0.74, 0}, {Line, 0, 0.70}, {Line, 1, 0.70}},
    /* 5 */ {{Move, 0.92, 0}, {Line, 0.16, 0}, {Line, 0.08, 0.44},
             {Curve, 0.36, 0.30, 1.00, 0.34, 0.98, 0.68},
             {Curve, 0.96, 1.05, 0.24, 1.06, 0.02, 0.86}},
    /* 6 */ {{Move, 0.88, 0.06}, {Curve, 0.44, -0.08, 0.02, 0.16, 0.02, 0.71},
             {Oval, 0.02, 0.42, 0.96, 0.58}},
    /* 7 */ {{Move, 0, 0}, {Line, 1, 0}, {Line, 0.34, 1}},
    /* 8 */ {{Oval, 0.10, 0, 0.80, 0.46}, {Oval, 0.02, 0.46, 0.96, 0.54}},
    /* 9 */ {}, // the six turned half a circle, below
    /* 10 */ {{Move, 0, 0.18}, {Line, 0.18, 0}, {Line, 0.18, 1}, {Oval, 0.42, 0, 0.58, 1}},
    /* J */ {{Move, 0.30, 0}, {Line, 1, 0}, {Move, 0.76, 0}, {Line, 0.76, 0.70},
             {Curve, 0.76, 1.06, 0.10, 1.06, 0.06, 0.70}},
    /* Q */ {{Oval, 0, 0, 1, 0.92}, {Move, 0.56, 0.70}, {Line, 1.0, 1.02}},
    /* K */ {{Move, 0.08, 0}, {Line, 0.08, 1}, {Move, 0.96, 0}, {Line, 0.08, 0.62},
             {Move, 0.36, 0.43}, {Line, 0.98, 1}},
};
// clang-format on

QPainterPath rankStrokes(int rank)
{
    if (rank == 9)
        return QTransform(-1, 0, 0, -1, 1, 1).map(rankStrokes(6));
    QPainterPath p;
    for (const Stroke &s : RANK_STROKES[rank - 1]) {
        switch (s.move) {
        case Move:
            p.moveTo(s.v[0], s.v[1]);
            break;
        case Line:
            p.lineTo(s.v[0], s.v[1]);
            break;
        case Curve:
            p.cubicTo(s.v[0], s.v[1], s.v[2], s.v[3], s.v[4], s.v[5]);
            break;
        case Oval:
            p.addEllipse(QRectF(s.v[0], s.v[1], s.v[2], s.v[3]));
            break;
        }
    }
    return p;
}

void drawCornerIndex(QPainter &p, int rank, Suit suit)
{
    const double glyphH = 0.165 * cardH();
    const double glyphW = (rank == 10 ? 0.14 : 0.1) * cardW();
    const double centreX = 0.125 * cardW();
    const double top = 0.06 * cardH();

    QTransform box;
    box.translate(centreX - glyphW / 2, top);
    box.scale(glyphW, glyphH);
    QPen pen(inkOf(suit), 0.028 * cardW());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.strokePath(box.map(rankStrokes(rank)), pen);

    const double signSize = 0.125 * cardW();
    fillSuit(p, suit, QPointF(centreX, top + glyphH + 0.035 * cardH() + signSize / 2), signSize,
             false);
}

struct Pip
{
    double x; // fraction of the card's width
    double v; // 0 = top pip row, 1 = bottom pip row
};

// Each rank's rows of pips, from the top (0) to the bottom (1) row: rows of
// two, then single pips in the middle.
struct PipRows
{
    std::vector<double> pairs;
    std::vector<double> singles;
};

const PipRows PIP_ROWS[] = {
    {{}, {0, 1}},                                   // 2
    {{}, {0, 1, 0.5}},                              // 3
    {{0, 1}, {}},                                   // 4
    {{0, 1}, {0.5}},                                // 5
    {{0, 0.5, 1}, {}},                              // 6
    {{0, 0.5, 1}, {0.25}},                          // 7
    {{0, 0.5, 1}, {0.25, 0.75}},                    // 8
    {{0, 1.0 / 3, 2.0 / 3, 1}, {0.5}},              // 9
    {{0, 1.0 / 3, 2.0 / 3, 1}, {1.0 / 6, 5.0 / 6}}, // 10
};

std::vector<Pip> pipLayout(int rank)
{
    const double left = 0.32;
    const double mid = 0.50;
    const double right = 0.68;
    std::vector<Pip> pips;
    if (rank < 2 || rank > 10)
        return pips;
    const PipRows &rows = PIP_ROWS[rank - 2];
    for (double v : rows.pairs) {
        pips.push_back({left, v});
        pips.push_back({right, v});
    }
    for (double v : rows.singles)
        pips.push_back({mid, v});
    return pips;
}

void drawPips(QPainter &p, int rank, Suit suit)
{
    const double top = 0.2 * cardH();
    const double bottom = 0.8 * cardH();
    const double size = 0.175 * cardW();
    for (const Pip &pip : pipLayout(rank)) {
        const QPointF centre(pip.x * cardW(), top + pip.v * (bottom - top));
        fillSuit(p, suit, centre, size, pip.v > 0.5);
    }
}

QRectF courtPanel()
{
    const double left = onPixel(0.225 * cardW());
    const double top = onPixel(0.075 * cardH());
    return QRectF(left, top, cardW() - 2 * left, cardH() - 2 * top);
}

// One end of a double-ended court figure, drawn into the upper half of the
// panel; the lower half is the same drawing turned half a circle.
void drawCourtHalf(QPainter &p, int rank, Suit suit, const QRectF &half)
{
    const double w = half.width();
    const double h = half.height();
    const auto at = [&](double u, double v) { return QPointF(half.x() + u * w, half.y() + v * h); };
    const auto outline = [](std::initializer_list<QPointF> corners) {
        QPainterPath path;
        path.moveTo(*corners.begin());
        for (auto corner = corners.begin() + 1; corner != corners.end(); ++corner)
            path.lineTo(*corner);
        path.closeSubpath();
        return path;
    };
    const QColor robe = isRed(suit) ? RED : BLUE;
    const QColor trim = isRed(suit) ? BLUE : BLACK;
    const double hairline = 0.03 * w;

    QPainterPath body;
    body.moveTo(at(0.08, 1.02));
    body.lineTo(at(0.13, 0.80));
    body.quadTo(at(0.17, 0.65), at(0.36, 0.64));
    body.lineTo(at(0.64, 0.64));
    body.quadTo(at(0.83, 0.65), at(0.87, 0.80));
    body.lineTo(at(0.92, 1.02));
    body.closeSubpath();
    // The robe runs on past the middle of the panel, where the other end
    // takes over; it is cut there as a shape rather than by clipping the
    // painter, which vector output does not keep.
    QPainterPath ownHalf;
    ownHalf.addRect(half);
    p.fillPath(body.intersected(ownHalf), robe);
    QPainterPath arms;
    arms.moveTo(at(0.22, 0.70));
    arms.quadTo(at(0.24, 0.88), at(0.40, 0.92));
    arms.moveTo(at(0.78, 0.70));
    arms.quadTo(at(0.76, 0.88), at(0.60, 0.92));
    p.strokePath(arms, QPen(robe.darker(170), hairline * 1.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPathStroker robeEdge;
    robeEdge.setWidth(hairline);
    p.fillPath(robeEdge.createStroke(body).intersected(ownHalf), robe.darker(170));

    if (rank == 12) {
        QPainterPath hair;
        hair.addRoundedRect(QRectF(at(0.30, 0.28), at(0.70, 0.74)), 0.16 * w, 0.16 * w);
        p.fillPath(hair, FAIR_HAIR);
    }

    p.fillRect(QRectF(at(0.45, 0.54), at(0.55, 0.66)), SKIN);
    const QPointF headCentre = at(0.5, 0.45);
    const double headRx = 0.13 * w;
    const double headRy = 0.14 * h;
    if (rank == 11) {
        QPainterPath hair;
        hair.addEllipse(at(0.5, 0.42), headRx + 0.03 * w, headRy + 0.01 * h);
        p.fillPath(hair, HAIR);
    }
    QPainterPath head;
    head.addEllipse(headCentre, headRx, headRy);
    p.fillPath(head, SKIN);

    const double eye = 0.028 * w;
    p.setPen(Qt::NoPen);
    p.setBrush(FEATURES);
    p.drawEllipse(at(0.45, 0.44), eye, eye);
    p.drawEllipse(at(0.55, 0.44), eye, eye);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(FEATURES, hairline, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(0.47, 0.52), at(0.53, 0.52));

    switch (rank) {
    case 11: {
        // The jack: a soft cap with a plume, a striped tunic and a halberd.
        QPen stripe(GOLD, 0.06 * w, Qt::SolidLine, Qt::FlatCap);
        p.setPen(stripe);
        p.drawLine(at(0.5, 0.66), at(0.5, 1.0));
        QPainterPath cap;
        cap.addEllipse(at(0.48, 0.31), 0.20 * w, 0.075 * h);
        p.fillPath(cap, trim);
        QPainterPath plume;
        plume.moveTo(at(0.58, 0.29));
        plume.quadTo(at(0.64, 0.12), at(0.76, 0.13));
        p.strokePath(plume, QPen(GOLD, 0.055 * w, Qt::SolidLine, Qt::RoundCap));
        p.setPen(QPen(HAIR, 0.05 * w, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(at(0.86, 0.22), at(0.86, 1.0));
        p.fillPath(outline({at(0.86, 0.20), at(0.96, 0.26), at(0.86, 0.36)}), STEEL);
        break;
    }
    case 12: {
        // The queen: long hair, a low coronet of pearls, a necklace and a flower.
        p.fillPath(outline({at(0.37, 0.33), at(0.39, 0.23), at(0.63, 0.23), at(0.61, 0.33)}), GOLD);
        p.setPen(Qt::NoPen);
        p.setBrush(GOLD);
        p.drawEllipse(at(0.40, 0.20), 0.045 * w, 0.045 * w);
        p.drawEllipse(at(0.50, 0.17), 0.045 * w, 0.045 * w);
        p.drawEllipse(at(0.60, 0.20), 0.045 * w, 0.045 * w);
        p.setBrush(trim);
        p.drawEllipse(at(0.5, 0.28), 0.035 * w, 0.035 * w);
        QPainterPath necklace;
        necklace.moveTo(at(0.38, 0.66));
        necklace.quadTo(at(0.5, 0.84), at(0.62, 0.66));
        p.strokePath(necklace, QPen(GOLD, 0.05 * w));
        p.setBrush(IVORY);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * PI / 5;
            p.drawEllipse(at(0.20 + 0.06 * std::cos(a), 0.80 + 0.06 * std::sin(a) * w / h),
                          0.045 * w, 0.045 * w);
        }
        p.setBrush(GOLD);
        p.drawEllipse(at(0.20, 0.80), 0.04 * w, 0.04 * w);
        p.setBrush(Qt::NoBrush);
        break;
    }
    case 13: {
        // The king: a pointed crown, a beard, an ermine collar and a sword.
        QPainterPath beard;
        beard.moveTo(at(0.37, 0.47));
        beard.quadTo(at(0.38, 0.66), at(0.5, 0.68));
        beard.quadTo(at(0.62, 0.66), at(0.63, 0.47));
        beard.quadTo(at(0.5, 0.58), at(0.37, 0.47));
        beard.closeSubpath();
        p.fillPath(beard, HAIR);
        p.setPen(QPen(IVORY, 0.09 * h, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at(0.24, 0.70), at(0.76, 0.70));
        p.setPen(Qt::NoPen);
        p.setBrush(BLACK);
        for (double u : {0.32, 0.5, 0.68})
            p.drawEllipse(at(u, 0.70), 0.025 * w, 0.025 * w);
        p.setBrush(Qt::NoBrush);
        const QPainterPath crown = outline({at(0.35, 0.34), at(0.34, 0.10), at(0.42, 0.20),
                                            at(0.50, 0.05), at(0.58, 0.20), at(0.66, 0.10),
                                            at(0.65, 0.34)});
        p.fillPath(crown, GOLD);
        p.strokePath(crown, QPen(GOLD_DARK, hairline));
        p.setPen(QPen(STEEL, 0.055 * w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at(0.84, 0.16), at(0.84, 0.78));
        p.setPen(QPen(GOLD, 0.06 * w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at(0.77, 0.78), at(0.91, 0.78));
        p.drawLine(at(0.84, 0.78), at(0.84, 0.92));
        break;
    }
    }

    fillSuit(p, suit, at(0.15, 0.13), 0.2 * w, false);
}

void drawCourt(QPainter &p, int rank, Suit suit)
{
    const QRectF panel = courtPanel();
    p.fillRect(panel, PANEL);
    const QRectF upper(panel.x(), panel.y(), panel.width(), panel.height() / 2);
    for (int end = 0; end < 2; ++end) {
        p.save();
        if (end == 1) {
            p.translate(panel.center());
            p.rotate(180);
            p.translate(-panel.center());
        }
        drawCourtHalf(p, rank, suit, upper);
        p.restore();
    }
    p.setPen(QPen(inkOf(suit), 1.0));
    p.setBrush(Qt::NoBrush);
    const double middle = onPixel(panel.center().y());
    p.drawLine(QPointF(panel.left(), middle), QPointF(panel.right(), middle));
    p.drawRect(panel);
}

void drawCpuBand(QPainter &p)
{
    const double band = 0.048 * cardW();
    QPainterPath inner;
    inner.addRoundedRect(QRectF(band, band, cardW() - 2 * band, cardH() - 2 * band),
                         cornerRadius() - band / 2, cornerRadius() - band / 2);
    p.fillPath(cardShape().subtracted(inner), CPU_BAND);
    QPainterPath edge;
    edge.addRoundedRect(QRectF(0.5, 0.5, cardW() - 1, cardH() - 1), cornerRadius() - 0.5,
                        cornerRadius() - 0.5);
    p.strokePath(edge, QPen(CPU_EDGE, 1.0));
}

} // namespace

void paintCardFace(QPainter &p, int code, bool cpuSet)
{
    const int rank = cardRank(code);
    const Suit suit = suitOf(code);
    p.setRenderHint(QPainter::Antialiasing);
    paintBlankCard(p);

    if (rank == 1)
        fillSuit(p, suit, QPointF(cardW() / 2, cardH() / 2), 0.46 * cardW(), false);
    else if (rank <= 10)
        drawPips(p, rank, suit);
    else
        drawCourt(p, rank, suit);

    drawCornerIndex(p, rank, suit);
    p.save();
    p.translate(cardW(), cardH());
    p.rotate(180);
    drawCornerIndex(p, rank, suit);
    p.restore();

    if (cpuSet)
        drawCpuBand(p);
}

void paintCardBack(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    paintBlankCard(p);

    const double inset = std::round(0.075 * cardW());
    const QRectF field(inset, inset, cardW() - 2 * inset, cardH() - 2 * inset);
    QPainterPath fieldShape;
    fieldShape.addRoundedRect(field, 0.04 * cardW(), 0.04 * cardW());
    p.fillPath(fieldShape, BACK_FIELD);

    // A diagonal lattice whose crossings meet at the card's centre, so the
    // pattern stays symmetric whatever the card size. Each thread is cut to
    // the field as a shape, not by clipping the painter, which vector output
    // drops; one shape per thread, as the whole lattice in one shape would
    // take the game three times as long to draw from the vector picture.
    const QPointF c(cardW() / 2, cardH() / 2);
    const double step = 0.125 * cardW();
    const double reach = cardW() + cardH();
    const int lines = static_cast<int>(std::ceil(reach / step));
    QPainterPathStroker thread;
    thread.setWidth(0.016 * cardW());
    const auto drawThread = [&](QPointF from, QPointF to) {
        QPainterPath line(from);
        line.lineTo(to);
        const QPainterPath cut = thread.createStroke(line).intersected(fieldShape);
        if (!cut.isEmpty())
            p.fillPath(cut, BACK_LATTICE);
    };
    for (int i = -lines; i <= lines; ++i) {
        const double offset = i * step;
        drawThread(QPointF(c.x() + offset - reach, c.y() - reach),
                   QPointF(c.x() + offset + reach, c.y() + reach));
        drawThread(QPointF(c.x() + offset + reach, c.y() - reach),
                   QPointF(c.x() + offset - reach, c.y() + reach));
    }
    QPainterPath knots;
    const double knot = 0.028 * cardW();
    for (int i = -lines; i <= lines; ++i) {
        for (int j = -lines; j <= lines; ++j) {
            const QPointF at(c.x() + (i + j) * step / 2, c.y() + (j - i) * step / 2);
            if (field.contains(at))
                knots.addEllipse(at, knot, knot);
        }
    }
    p.fillPath(knots.intersected(fieldShape), BACK_KNOT);

    QPainterPath frame;
    const double frameInset = inset + 0.04 * cardW();
    frame.addRoundedRect(
        QRectF(frameInset, frameInset, cardW() - 2 * frameInset, cardH() - 2 * frameInset),
        0.03 * cardW(), 0.03 * cardW());
    p.strokePath(frame, QPen(PAPER, 0.02 * cardW()));

    QPainterPath medallion;
    medallion.addEllipse(c, 0.2 * cardW(), 0.15 * cardH());
    p.fillPath(medallion, BACK_FIELD);
    p.strokePath(medallion, QPen(PAPER, 0.025 * cardW()));
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(0.2 * cardW(), 0.2 * cardW());
    const QPainterPath emblem = t.map(suitShape(Suit::Diamonds));
    p.fillPath(emblem, PAPER);
}

} // namespace Art
