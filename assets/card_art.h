// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace art {

// Sized so the fullest table (two hands, the deck and the mascot) fits the
// game's fixed 640x480 window. Every measure of a card is a fraction of this.
inline constexpr QSize kCardSize(52, 72);

inline constexpr int kCardCount = 52;

// Codes run 1..52: spades, clubs, diamonds, hearts, thirteen each.
int cardRank(int code);
char cardSuitLetter(int code);

// The CPU's set reuses the player's ten of hearts.
bool hasCpuFace(int code);

// "S01", "H13": the picture name without the CPU marker or extension.
QString cardStem(int code);

QImage drawCardFace(int code, bool cpuSet);
QImage drawCardBack();

} // namespace art
