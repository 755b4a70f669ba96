// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file each of the game's sounds is played from. The asset generator
// composes one sound for each, and the tests check every one of them.
namespace SoundFile {

inline constexpr char ROUND1[] = "wave/1.wav";
inline constexpr char ROUND2[] = "wave/2.wav";
inline constexpr char ROUND3[] = "wave/3.wav";
inline constexpr char CARDS_LAID_OUT[] = "wave/array_sound.wav";
inline constexpr char CARD_DRAWN[] = "wave/open_card.wav";
inline constexpr char STOPPED[] = "wave/stop_card.wav";
inline constexpr char CPU_WINS[] = "wave/cpu_win.wav";
inline constexpr char PLAYER_WINS[] = "wave/player_win.wav";
inline constexpr char TIE[] = "wave/tie_play.wav";
inline constexpr char GAME_OVER[] = "wave/game_over.wav";

inline constexpr const char *ALL[] = {ROUND1,     ROUND2,   ROUND3,   CARDS_LAID_OUT,
                                      CARD_DRAWN, STOPPED,  CPU_WINS, PLAYER_WINS,
                                      TIE,        GAME_OVER};

} // namespace SoundFile
