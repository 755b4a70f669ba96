// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QPainter;

namespace Art {

// Sized so the fullest table (two hands, the deck and the mascot) fits the
// game's fixed 640x480 window. Every measure of a card is a fraction of this.
inline constexpr QSize CARD_SIZE(52, 72);

// Paint one card onto a device whose units are the card's pixels, starting
// at the origin. Nothing here clips the painter: the same painting also goes
// into the vector twin of each picture, and vector output may drop clipping.
void paintCardFace(QPainter &p, int code, bool cpuSet);
void paintCardBack(QPainter &p);

} // namespace Art
