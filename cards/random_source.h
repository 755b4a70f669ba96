// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// The shuffle's random numbers come from the C library's rand(). This source
// does not seed it: the window's constructor calls srand() with the clock
// before the first shuffle. Tests put chosen numbers in its place.
using RandomSource = std::function<int()>;

int nextRandom();
// An empty source goes back to rand().
void setRandomSource(RandomSource source);
