// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/dorvek.h"
#include "app/sound_files.h"
#include "match/chain_delays.h"
#include "match/judgement.h"
#include "match/match_state.h"
#include "match/spoken.h"
#include "services/trace.h"

#include <QLabel>

namespace {

// How the window announces each winner: a judged round's banner and sound,
// a match verdict's banner and trace line.
struct Announcement
{
    const char *roundText;
    const char *sound;
    const char *matchText;
    const char *matchLine;
};

constexpr Announcement announcements[] = {
    {QT_TRANSLATE_NOOP("Dorvek", "CPU Win"), SoundFile::CPU_WINS,
     QT_TRANSLATE_NOOP("Dorvek", "CPU win Victory"), "win_lose_check() 4-1\n"},
    {QT_TRANSLATE_NOOP("Dorvek", "Player Win"), SoundFile::PLAYER_WINS,
     QT_TRANSLATE_NOOP("Dorvek", "Player win Victory"), "win_lose_check() 4-2\n"},
    {QT_TRANSLATE_NOOP("Dorvek", "It's tie"), SoundFile::TIE,
     QT_TRANSLATE_NOOP("Dorvek", "It's tie"), "win_lose_check() 4-3\n"},
};

const Announcement &announcementFor(Winner winner)
{
    return announcements[static_cast<int>(winner)];
}

// The trace numbers a round's case by whose total was higher (1 the CPU's,
// 2 the player's, 3 neither) and then by the row of the points table, or
// row 1 when the lower total won because the higher one went over 15. A win
// that earns nothing prints no line.
struct CaseLine
{
    Winner winner;
    bool otherWentOver;
    int points;
    const char *line;
};

const CaseLine caseLines[] = {
    {Winner::Cpu, false, 40, "win_lose_check() 1-2\n"},
    {Winner::Player, false, 40, "win_lose_check() 2-2\n"},
    {Winner::Cpu, false, 25, "win_lose_check() 1-3\n"},
    {Winner::Player, false, 25, "win_lose_check() 2-3\n"},
    {Winner::Cpu, false, 20, "win_lose_check() 1-4\n"},
    {Winner::Player, false, 20, "win_lose_check() 2-4\n"},
    {Winner::Cpu, false, 15, "win_lose_check() 1-5\n"},
    {Winner::Player, false, 15, "win_lose_check() 2-5\n"},
    {Winner::Cpu, false, 10, "win_lose_check() 1-6\n"},
    {Winner::Player, false, 10, "win_lose_check() 2-6\n"},
    {Winner::Cpu, false, 5, "win_lose_check() 1-7\n"},
    {Winner::Player, false, 5, "win_lose_check() 2-7\n"},
    {Winner::Player, true, 5, "win_lose_check() 1-1\n"},
    {Winner::Cpu, true, 5, "win_lose_check() 2-1\n"},
    {Winner::Tie, false, 0, "win_lose_check() 3-1\n"},
};

const char *caseLine(const RoundJudgement &result)
{
    for (const CaseLine &row : caseLines) {
        if (row.winner == result.winner && row.otherWentOver == result.otherWentOver
            && row.points == result.points)
            return row.line;
    }
    return nullptr;
}

} // namespace

void Dorvek::win_lose_check()
{
    if (Round_count >= 1 && Round_count <= 3)
        judgeThisRound();
    else if (Round_count == 4)
        giveMatchVerdict();
}

void Dorvek::judgeThisRound()
{
    label_mascot_a->hide();
    label_mascot_b->show();
    static constexpr char rule[] = "===win_lose_check()===\n";
    trace("%s", rule);
    trace("CPU_card=%d,Player_card=%d\n", CPU_card, Player_card);
    trace("%s", rule);
    after(Delay::TOTALS_AGAIN, SLOT(cpu_player_on_screen()));

    const RoundJudgement result = judgeRound(CPU_card, Player_card);
    const Announcement &announcement = announcementFor(result.winner);
    const char *const line = caseLine(result);
    if (result.winner == Winner::Tie) {
        // The tie is heard before it is seen, and traced before it is counted.
        playSound(announcement.sound);
        showText(label_round, tr(announcement.roundText));
        trace("%s", line);
        ++tie_count;
        showScoreLine();
    } else {
        showText(label_round, tr(announcement.roundText));
        playSound(announcement.sound);
        if (result.points > 0) {
            (result.winner == Winner::Cpu ? cpu_points : player_points) += result.points;
            showScoreLine();
            trace("%s", line);
        }
    }

    Spoken::sayScore(this, Round_count, cpu_points, player_points, tie_count);
    after(Delay::RESULT_BANNER, SLOT(cpu_open_card_unshow_screen()));
    if (Play_mode == MODE_WATCHING) {
        label_mascot_b->hide();
        label_mascot_a->show();
        after(Delay::WATCHING_TO_GAME_OVER, SLOT(game_over_data_clear()));
    }
}

void Dorvek::giveMatchVerdict()
{
    Round_count = 3;
    showScoreLine();

    const Announcement &verdict = announcementFor(judgeMatch(cpu_points, player_points));
    showText(label_round, tr(verdict.matchText));
    trace("%s", verdict.matchLine);

    label_mascot_b->hide();
    label_mascot_a->show();
    after(Delay::VERDICT_TO_GAME_OVER, SLOT(game_over_data_clear()));
}
