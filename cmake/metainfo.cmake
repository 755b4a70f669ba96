# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The AppStream metainfo is written in English; its translations live in
# gettext catalogues, packaging/po/<language>.po, and are merged into the
# installed file by itstool with AppStream's own rules of what to translate.
# A changed text then has no translation until a translator gives it one:
#
#   cmake --build build --target update_metainfo_translations
#
# merges the new texts into the catalogues (a changed one marked fuzzy), and
# the test metainfo_translations_in_step fails until each is translated.

find_program(ITSTOOL itstool REQUIRED)
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGMERGE msgmerge REQUIRED)
find_program(MSGCMP msgcmp REQUIRED)
find_file(METAINFO_ITS metainfo.its PATHS /usr/share/gettext/its REQUIRED NO_DEFAULT_PATH)

set(DORVEK_METAINFO_POT ${CMAKE_BINARY_DIR}/packaging/metainfo.pot)
set(DORVEK_METAINFO_LANGUAGES ja)
set(metainfo_out ${CMAKE_BINARY_DIR}/packaging/${DORVEK_APP_ID}.metainfo.xml)
set(metainfo_catalogues "")
foreach(language ${DORVEK_METAINFO_LANGUAGES})
    set(po ${CMAKE_SOURCE_DIR}/packaging/po/${language}.po)
    # itstool takes the language from the catalogue's file name.
    set(mo ${CMAKE_BINARY_DIR}/packaging/metainfo-mo/${language}.mo)
    add_custom_command(
        OUTPUT ${mo}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/metainfo-mo
        COMMAND ${MSGFMT} --check -o ${mo} ${po}
        DEPENDS ${po}
        VERBATIM
    )
    list(APPEND metainfo_catalogues ${mo})
endforeach()

add_custom_command(
    OUTPUT ${metainfo_out}
    COMMAND ${ITSTOOL} -i ${METAINFO_ITS} -j ${DORVEK_METAINFO} -o ${metainfo_out} ${metainfo_catalogues}
    DEPENDS ${DORVEK_METAINFO} ${metainfo_catalogues}
    COMMENT "Translating the metainfo"
    VERBATIM
)
add_custom_target(dorvek_metainfo ALL DEPENDS ${metainfo_out})

set(metainfo_update_commands "")
foreach(language ${DORVEK_METAINFO_LANGUAGES})
    list(APPEND metainfo_update_commands COMMAND ${MSGMERGE} --quiet --update --backup=none
         --no-location ${CMAKE_SOURCE_DIR}/packaging/po/${language}.po ${DORVEK_METAINFO_POT})
endforeach()
add_custom_target(update_metainfo_translations
    COMMAND ${ITSTOOL} -i ${METAINFO_ITS} -o ${DORVEK_METAINFO_POT} ${DORVEK_METAINFO}
    ${metainfo_update_commands}
    VERBATIM
)
