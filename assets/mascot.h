// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

class QPainter;

namespace Art {

// Mirrit, the game's mascot, on a transparent square of the given side. The
// game cuts its label to the picture's mask, so the silhouette is opaque with
// only an antialiased rim.
QImage drawMirrit(int side);

// The same drawing onto any device whose units are pixels of that square,
// starting at the origin.
void paintMirrit(QPainter &p, int side);

} // namespace Art
