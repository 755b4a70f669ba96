# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Measuring programs, built into the game's Release build by bench/run.sh.
set(bench ${DORVEK_BENCH_DIR})

# Stamps the moment it hands over to the program it starts.
add_executable(bench_launch ${bench}/launch.cpp)

# The yardstick: the least a Qt widget program can show.
add_executable(bench_minimal ${bench}/minimal_window.cpp ${bench}/first_frame.h)
target_link_libraries(bench_minimal PRIVATE Qt6::Widgets)

# The game as its main() builds it, with a stopwatch on its first frame and
# on every step of its clock.
add_executable(bench_game ${bench}/game_stopwatch.cpp ${bench}/first_frame.h)
target_link_libraries(bench_game PRIVATE dorvek_game)
add_dependencies(bench_game dorvek_assets)
