// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How long each link of a match's chain waits, in milliseconds, from the
// step that schedules it to the step it names; in the order a round runs.
// The demonstration's own pauses stand in its script.
namespace Delay {

// Watching_mode(), three_atack() → start_timer1_show()
inline constexpr int MODE_ENTRY = 500;
// "Round1".."Round3" shown → hidden
inline constexpr int ROUND_BANNER = 3500;
// start_timer2_unshow() → CPU_turn_show()
inline constexpr int AFTER_ROUND_BANNER = 1500;
// "It's CPU play now" shown → hidden
inline constexpr int CPU_TURN_BANNER = 1500;
// CPU_turn_unshow() → cpu_close_card_cpu()
inline constexpr int BEFORE_CPU_DEAL = 1500;
// cpu_close_card_cpu() → "It's your play now"
inline constexpr int AFTER_CPU_DEAL = 500;
// "It's your play now" shown → hidden
inline constexpr int PLAYER_TURN_BANNER = 1500;
// hidden → player_turn(), autoplay_close_drawcard_player()
inline constexpr int BEFORE_PLAYER_TURN = 1500;
// autoplay_close_drawcard_player() → "CPU card open"
inline constexpr int AFTER_AUTOPLAY = 1800;
// "CPU card open" shown → cpu_open_card()
inline constexpr int CPU_OPEN_BANNER = 1500;
// card_draw_cpu() → result_screen_show()
inline constexpr int AFTER_REVEAL = 1000;
// result_screen_show() → result_screen_clear()
inline constexpr int TOTALS_SHOWN = 2000;
// judgement → cpu_player_on_screen()
inline constexpr int TOTALS_AGAIN = 2500;
// cpu_player_on_screen() → cpu_player_off_screen()
inline constexpr int TOTALS_AGAIN_SHOWN = 1500;
// judgement → cpu_open_card_unshow_screen()
inline constexpr int RESULT_BANNER = 2500;
// result_screen_clear() → result_screen_all_clear()
inline constexpr int BEFORE_TABLE_CLEARED = 1500;
// result_screen_all_clear() → second_round()
inline constexpr int BEFORE_NEXT_ROUND = 1500;
// judgement of the watching round → game_over_data_clear()
inline constexpr int WATCHING_TO_GAME_OVER = 5200;
// match verdict → game_over_data_clear()
inline constexpr int VERDICT_TO_GAME_OVER = 1200;
// game_over_data_clear() → Gameover_show()
inline constexpr int BEFORE_GAME_OVER_BANNER = 2500;
// "Game over" shown → Gameover_unshow()
inline constexpr int GAME_OVER_BANNER = 5500;
// Gameover_unshow() → demo_talk1()
inline constexpr int BEFORE_DEMO = 5000;
// start-up → demo_talk1(), through timer_demo
inline constexpr int FIRST_DEMO = 10000;

} // namespace Delay
