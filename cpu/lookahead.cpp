// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cpu/lookahead.h"

int cpuHoldCount(int a, int b, int c, int d)
{
    if (a + b > 15)
        return 1;
    if (a + b + c > 15)
        return 2;
    if (a + b + c + d <= 15)
        return 4;
    return 3;
}

int autoPlayerTakeCount(int e, int f, int g, int h)
{
    if (e + f > 15)
        return 1;
    if (e + f + g > 15)
        return 2;
    if (e + f + g + h < 15)
        return 3;
    return 4;
}
