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

int points_index(int total)
{
    int index = 0;
    while (total < pointsTable[index].lowestTotal)
        ++index;
    return index;
}

// A win because the other side went over 15 is worth 5, but nothing to a
// winner who holds 15 or more itself.
constexpr int bustWinPoints = 5;

RoundJudgement higher_total_wins(Winner higher, Winner lower, int side, int highTotal, int lowTotal)
{
    if (highTotal <= 15) {
        const int index = points_index(highTotal);
        return {higher, pointsTable[index].points, side, index + 2};
    }
    if (lowTotal < 15)
        return {lower, bustWinPoints, side, 1};
    return {lower, 0, side, 0};
}

}

int points_for_total(int total)
{
    return pointsTable[points_index(total)].points;
}

RoundJudgement judge_round(int cpuTotal, int playerTotal)
{
    if (cpuTotal > playerTotal)
        return higher_total_wins(Winner::Cpu, Winner::Player, 1, cpuTotal, playerTotal);
    if (playerTotal > cpuTotal)
        return higher_total_wins(Winner::Player, Winner::Cpu, 2, playerTotal, cpuTotal);
    return {Winner::Tie, 0, 3, 1};
}

MatchVerdict judge_match(int cpuPoints, int playerPoints)
{
    if (cpuPoints > playerPoints)
        return {Winner::Cpu, 1};
    if (playerPoints > cpuPoints)
        return {Winner::Player, 2};
    return {Winner::Tie, 3};
}
