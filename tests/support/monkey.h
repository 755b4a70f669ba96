// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/harness.h"

#include <QString>

// The promises the game keeps at every moment, whatever has been clicked,
// given whether a player's turn is open. The first one broken, described,
// or an empty string.
QString brokenInvariant(const Dorvek &w, const SimClock &clock, bool playersTurn);

// Whole matches, chosen from the menu while no match runs; both are over
// once the game is back to its demonstration. False if the chain stopped
// short of that.
bool playFreePlay(Game &game, int draws);
bool playWatching(Game &game);
