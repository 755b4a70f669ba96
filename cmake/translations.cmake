# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Japanese translation, compiled beside the binary where the game looks
# for "Dorvek_ja.qm". The message boxes' Yes and No come from Qt itself, so
# their Japanese lives in a file of its own and is compiled into the same
# .qm: the game loads only one translation.

set(DORVEK_TS ${CMAKE_SOURCE_DIR}/translations/Dorvek_ja.ts)
set(DORVEK_BUTTONS_TS ${CMAKE_SOURCE_DIR}/translations/standard_buttons_ja.ts)
set(DORVEK_QM ${CMAKE_BINARY_DIR}/Dorvek_ja.qm)

add_custom_command(
    OUTPUT ${DORVEK_QM}
    COMMAND Qt6::lrelease -silent ${DORVEK_TS} ${DORVEK_BUTTONS_TS} -qm ${DORVEK_QM}
    DEPENDS Qt6::lrelease ${DORVEK_TS} ${DORVEK_BUTTONS_TS}
    COMMENT "Compiling the Japanese translation"
    VERBATIM
)
add_custom_target(dorvek_translations DEPENDS ${DORVEK_QM})
add_dependencies(dorvek dorvek_translations)

# Every file whose visible texts the translation covers. The list feeds both
# the refresh below and the suite's check that the .ts is in step with them.
set(DORVEK_TR_SOURCES "")
foreach(target dorvek_game dorvek)
    get_target_property(sources ${target} SOURCES)
    foreach(source IN LISTS sources)
        get_filename_component(source ${source} ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})
        list(APPEND DORVEK_TR_SOURCES ${source})
    endforeach()
endforeach()
set(DORVEK_TR_SOURCE_LIST ${CMAKE_BINARY_DIR}/translated_sources.lst)
list(JOIN DORVEK_TR_SOURCES "\n" source_lines)
file(CONFIGURE OUTPUT ${DORVEK_TR_SOURCE_LIST} CONTENT "${source_lines}\n")

# Refreshing the .ts rewrites a committed file, so it is a step of its own,
# never part of the build: cmake --build build --target update_translations
# Texts whose source went away stay in it, marked vanished, until the
# translator has carried them over; the suite fails while any is left.
qt_add_lupdate(dorvek_game
    TS_FILES ${DORVEK_TS}
    SOURCES ${DORVEK_TR_SOURCES}
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}
    OPTIONS -locations none
)
