# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Measuring programs, built into the game's Release build by bench/run.sh.
set(bench ${DORVEK_BENCH_DIR})

# Watches the X server while it starts a program: map, first frame, memory.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_XCB REQUIRED IMPORTED_TARGET xcb xcb-damage)
add_executable(bench_observe ${bench}/observe.cpp)
target_link_libraries(bench_observe PRIVATE PkgConfig::BENCH_XCB)
set_target_properties(bench_observe PROPERTIES AUTOMOC OFF)

# The yardstick: the least a Qt widget program can show.
add_executable(bench_minimal ${bench}/minimal_window.cpp)
target_link_libraries(bench_minimal PRIVATE Qt6::Widgets)

# The game as its main() builds it, with a stopwatch on every step of its
# clock.
add_executable(bench_game ${bench}/game_stopwatch.cpp)
target_link_libraries(bench_game PRIVATE dorvek_game)
add_dependencies(bench_game dorvek_assets)
