# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lupdate over the game's sources into a copy of the committed .ts and
# fails when the copy no longer matches: a visible text without a finished
# translation, a translation whose text is gone from the code, or a file
# that lupdate would rewrite. The committed file itself is never touched.
#
# cmake -DLUPDATE=<lupdate> -DTS=<committed .ts> -DSOURCE_LIST=<@-list>
#       -DINCLUDE_DIR=<source root> -DWORK_DIR=<scratch folder> -P <this file>

set(copy ${WORK_DIR}/Dorvek_ja.ts)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
configure_file(${TS} ${copy} COPYONLY)

execute_process(
    COMMAND ${LUPDATE} -silent -I ${INCLUDE_DIR} @${SOURCE_LIST} -locations none -ts ${copy}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result}):\n${output}")
endif()

file(READ ${copy} updated)
file(READ ${TS} committed)

set(problems "")
foreach(state unfinished vanished obsolete)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"${state}\""
           hits "${updated}")
    foreach(hit IN LISTS hits)
        string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" text "${hit}")
        string(APPEND problems "  ${state}: ${text}\n")
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "The Japanese translation is not in step with the code:\n${problems}"
        "Refresh it with `cmake --build build --target update_translations`, translate, "
        "and delete the vanished entries.")
endif()
if(NOT updated STREQUAL committed)
    message(FATAL_ERROR "lupdate would rewrite ${TS}; refresh it with "
        "`cmake --build build --target update_translations` and commit the result.")
endif()
