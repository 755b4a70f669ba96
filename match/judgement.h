#pragma once

enum class Winner { Cpu, Player, Tie };

// What a round's two totals come to. The trace names the case: `side` 1 when
// the CPU's total is higher, 2 when the player's is, 3 for a tie; `row` 1 for
// a win because the other side went over 15, 2 to 7 for the points table.
struct RoundJudgement
{
    Winner winner;
    int points; // added to the winner's counter; 0 adds nothing
    int side;
    int row; // 0 when no trace line is due
};

RoundJudgement judge_round(int cpuTotal, int playerTotal);

// Points for winning with the higher total (15 or less).
int points_for_total(int total);

struct MatchVerdict
{
    Winner winner;
    int row; // the trace line's case, 1 to 3
};

MatchVerdict judge_match(int cpuPoints, int playerPoints);
