#include "app/dorvek.h"
#include "app/trace.h"
#include "match/judgement.h"
#include "match/match_state.h"

#include <QLabel>

namespace {

struct Announcement
{
    const char *text;
    const char *sound;
};

Announcement announcement_for(Winner winner)
{
    switch (winner) {
    case Winner::Cpu:
        return {QT_TRANSLATE_NOOP("Dorvek", "CPU Win"), "wave/cpu_win.wav"};
    case Winner::Player:
        return {QT_TRANSLATE_NOOP("Dorvek", "Player Win"), "wave/player_win.wav"};
    case Winner::Tie:
        break;
    }
    return {QT_TRANSLATE_NOOP("Dorvek", "It's tie"), "wave/tie_play.wav"};
}

}

void Dorvek::win_lose_check()
{
    if (Round_count >= 1 && Round_count <= 3)
        judge_this_round();
    else if (Round_count == 4)
        give_match_verdict();
}

void Dorvek::judge_this_round()
{
    label_mascot_a->hide();
    label_mascot_b->show();
    trace("===win_lose_check()===\n");
    trace("CPU_card=%d,Player_card=%d\n", CPU_card, Player_card);
    trace("===win_lose_check()===\n");
    after(2500, SLOT(cpu_player_on_screen()));

    const RoundJudgement result = judge_round(CPU_card, Player_card);
    const Announcement announcement = announcement_for(result.winner);
    if (result.winner == Winner::Tie) {
        // The tie is heard before it is seen, and traced before it is counted.
        play_sound(announcement.sound);
        show_text(label_round, tr(announcement.text));
        trace("win_lose_check() %d-%d\n", result.side, result.row);
        ++tie_count;
        show_score_line();
    } else {
        show_text(label_round, tr(announcement.text));
        play_sound(announcement.sound);
        if (result.points > 0) {
            (result.winner == Winner::Cpu ? cpu_points : player_points) += result.points;
            show_score_line();
            trace("win_lose_check() %d-%d\n", result.side, result.row);
        }
    }

    after(2500, SLOT(cpu_open_card_unshow_screen()));
    if (Play_mode == MODE_WATCHING) {
        label_mascot_b->hide();
        label_mascot_a->show();
        after(5200, SLOT(game_over_data_clear()));
    }
}

void Dorvek::give_match_verdict()
{
    Round_count = 3;
    show_score_line();

    static const char *const verdicts[] = {
        QT_TRANSLATE_NOOP("Dorvek", "CPU win Victory"),
        QT_TRANSLATE_NOOP("Dorvek", "Player win Victory"),
        QT_TRANSLATE_NOOP("Dorvek", "It's tie"),
    };
    const MatchVerdict verdict = judge_match(cpu_points, player_points);
    show_text(label_round, tr(verdicts[verdict.row - 1]));
    trace("win_lose_check() 4-%d\n", verdict.row);

    label_mascot_b->hide();
    label_mascot_a->show();
    after(1200, SLOT(game_over_data_clear()));
}
