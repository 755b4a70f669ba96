// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How many of the next four cards (by card value) the CPU holds: as many as
// it can take in deck order without going over 15, at least one.
int cpuHoldCount(int a, int b, int c, int d);

// How many cards the automatic player of watching mode takes, judged on the
// four values after its first card. Unlike the CPU it stops at three only
// when all four stay below 15, so it can end a round over 15.
int autoPlayerTakeCount(int e, int f, int g, int h);
