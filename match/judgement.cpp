// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "match/judgement.h"

#include <limits>

namespace {

struct PointsRow
{
    int lowestTotal;
    int points;
};

constexpr PointsRow pointsTable[] = {
    {15, 40}, {14, 25}, {13, 20}, {12, 15}, {11, 10}, {std::numeric_limits<int>::min(), 5},
};

int pointsForHigherTotal(int total)
{
    int index = 0;
    while (total < pointsTable[index].lowestTotal)
        ++index;
    return pointsTable[index].points;
}

// A win because the other side went over 15 is worth 5, but nothing to a
// winner who holds 15 or more itself.
constexpr int bustWinPoints = 5;

RoundJudgement higherTotalWins(Winner higher, Winner lower, int highTotal, int lowTotal)
{
    if (highTotal <= 15)
        return {higher, pointsForHigherTotal(highTotal), false};
    return {lower, lowTotal < 15 ? bustWinPoints : 0, true};
}

} // namespace

RoundJudgement judgeRound(int cpuTotal, int playerTotal)
{
    if (cpuTotal > playerTotal)
        return higherTotalWins(Winner::Cpu, Winner::Player, cpuTotal, playerTotal);
    if (playerTotal > cpuTotal)
        return higherTotalWins(Winner::Player, Winner::Cpu, playerTotal, cpuTotal);
    return {Winner::Tie, 0, false};
}

Winner judgeMatch(int cpuPoints, int playerPoints)
{
    if (cpuPoints > playerPoints)
        return Winner::Cpu;
    if (playerPoints > cpuPoints)
        return Winner::Player;
    return Winner::Tie;
}
