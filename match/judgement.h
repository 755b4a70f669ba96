// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

enum class Winner { Cpu, Player, Tie };

// What a round's two totals come to: who wins, the points the winner earns
// (0 earns nothing), and whether the win came because the other side went
// over 15 rather than by the higher total.
struct RoundJudgement
{
    Winner winner;
    int points;
    bool otherWentOver;
};

RoundJudgement judgeRound(int cpuTotal, int playerTotal);

// Points, not rounds won, decide a match.
Winner judgeMatch(int cpuPoints, int playerPoints);
