# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Given to the game's own configure step as CMAKE_PROJECT_DorvekLight_INCLUDE:
# the measuring programs join the game's build once its targets exist.
set(DORVEK_BENCH_DIR ${CMAKE_CURRENT_LIST_DIR})
cmake_language(DEFER CALL include ${DORVEK_BENCH_DIR}/targets.cmake)
