# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The version in project() is the one release number. The AppStream
# metainfo's newest <release> and the Debian changelog's newest entry must
# name it, with the same day, or nothing builds: a new version then cannot go
# out with a stale release note or a package of another number.

set(DORVEK_METAINFO ${CMAKE_SOURCE_DIR}/packaging/org.example.DorvekLight.metainfo.xml)
set(dorvek_changelog ${CMAKE_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${DORVEK_METAINFO})

# Releases are listed newest first.
file(READ ${DORVEK_METAINFO} metainfo)
if(NOT metainfo MATCHES "<release version=\"([^\"]*)\" date=\"([^\"]*)\"")
    message(FATAL_ERROR "${DORVEK_METAINFO} has no <release version=... date=...>")
endif()
set(metainfo_version ${CMAKE_MATCH_1})
set(metainfo_date ${CMAKE_MATCH_2})
# The manual page is dated as the release.
set(DORVEK_RELEASE_DATE ${metainfo_date})
if(NOT metainfo_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The newest <release> in ${DORVEK_METAINFO} is ${metainfo_version}, "
        "project() says ${PROJECT_VERSION}: add a <release> for ${PROJECT_VERSION} with its date.")
endif()

# Absent from a source tree without Debian packaging.
if(EXISTS ${dorvek_changelog})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dorvek_changelog})
    file(STRINGS ${dorvek_changelog} entry_line LIMIT_COUNT 1 REGEX "^[a-z]")
    file(STRINGS ${dorvek_changelog} sign_off LIMIT_COUNT 1 REGEX "^ -- ")
    set(changelog_version "")
    if(entry_line MATCHES "\\(([^)]*)\\)")
        set(changelog_version ${CMAKE_MATCH_1})
    endif()
    if(NOT changelog_version STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${dorvek_changelog} begins with version '${changelog_version}', "
            "project() says ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}.")
    endif()
    set(changelog_date "")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    if(sign_off MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(day ${CMAKE_MATCH_1})
        set(year ${CMAKE_MATCH_3})
        list(FIND months ${CMAKE_MATCH_2} month)
        math(EXPR month "${month} + 1")
        if(month LESS 10)
            set(month 0${month})
        endif()
        set(changelog_date ${year}-${month}-${day})
    endif()
    if(NOT changelog_date STREQUAL metainfo_date)
        message(FATAL_ERROR "The newest entry of ${dorvek_changelog} is dated "
            "'${changelog_date}', the metainfo's release ${metainfo_date}.")
    endif()
endif()
