# SPDX-FileCopyrightText: 2026 Dorvek Light contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake --install puts the game where a desktop expects it. The game reads
# its pictures, sounds and translation relative to the working directory, so
# they go into one data folder, which the installed game moves into itself.

include(GNUInstallDirs)

set(DORVEK_APP_ID org.example.DorvekLight)

if(WIN32)
    # On Windows the data sits beside the program, which a shortcut starts in
    # its own folder.
    install(TARGETS dorvek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(TARGETS dorvek_sound LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR})
    set(dorvek_data_dir ${CMAKE_INSTALL_BINDIR})
else()
    set(dorvek_program_dir ${CMAKE_INSTALL_LIBEXECDIR}/dorvek-light)
    set(dorvek_data_dir ${CMAKE_INSTALL_DATADIR}/dorvek-light)
    # The sound module is looked for beside the game.
    install(TARGETS dorvek RUNTIME DESTINATION ${dorvek_program_dir})
    install(TARGETS dorvek_sound LIBRARY DESTINATION ${dorvek_program_dir})

    # The game finds its data folder from its own place, named in a file
    # beside it, so the tree works under whatever prefix it is installed to.
    # The command on the PATH is a link to the game itself: a launcher in
    # between would start one program more before the first frame.
    file(RELATIVE_PATH data_from_program /prefix/${dorvek_program_dir} /prefix/${dorvek_data_dir})
    file(WRITE ${CMAKE_BINARY_DIR}/packaging/data-folder "${data_from_program}\n")
    install(FILES ${CMAKE_BINARY_DIR}/packaging/data-folder DESTINATION ${dorvek_program_dir})
    file(RELATIVE_PATH program_from_bin /prefix/${CMAKE_INSTALL_BINDIR}
         /prefix/${dorvek_program_dir}/dorvek)
    install(CODE "
        set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bin}\")
        message(STATUS \"Installing: \${bin}/dorvek-light -> ${program_from_bin}\")
        file(CREATE_LINK ${program_from_bin} \"\${bin}/dorvek-light\" SYMBOLIC)
    ")

    # The manual page names this version and its release date; it names no
    # path fixed here, as the tree may be installed under another prefix.
    configure_file(${CMAKE_SOURCE_DIR}/packaging/dorvek-light.6.in
                   ${CMAKE_BINARY_DIR}/packaging/dorvek-light.6 @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/dorvek-light.6
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${DORVEK_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    include(${CMAKE_SOURCE_DIR}/cmake/metainfo.cmake)
    install(FILES ${metainfo_out} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # The mascot as the application icon, drawn at each size of the theme
    # rather than shrunk from the largest, so every outline stays crisp.
    set(DORVEK_ICON_SIZES 16 32 48 64 128 256)
    add_executable(dorvek_icon_sizes
        ${CMAKE_SOURCE_DIR}/packaging/icon_sizes.cpp
        ${CMAKE_SOURCE_DIR}/assets/mascot.cpp
    )
    target_include_directories(dorvek_icon_sizes PRIVATE ${CMAKE_SOURCE_DIR}/assets)
    target_link_libraries(dorvek_icon_sizes PRIVATE Qt6::Gui)
    set_target_properties(dorvek_icon_sizes PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
    set(icon_root ${CMAKE_BINARY_DIR}/packaging/hicolor)
    set(icons "")
    foreach(side ${DORVEK_ICON_SIZES})
        list(APPEND icons ${icon_root}/${side}x${side}/apps/${DORVEK_APP_ID}.png)
    endforeach()
    add_custom_command(
        OUTPUT ${icons}
        COMMAND dorvek_icon_sizes ${icon_root} ${DORVEK_APP_ID} ${DORVEK_ICON_SIZES}
        DEPENDS dorvek_icon_sizes
        COMMENT "Drawing the application icons"
        VERBATIM
    )
    add_custom_target(dorvek_icons ALL DEPENDS ${icons})
    install(DIRECTORY ${icon_root} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# The pictures, each a PNG and its SVG twin for high-density screens, and
# the sounds, whole folders as the build draws them.
install(DIRECTORY ${CMAKE_BINARY_DIR}/gazo ${CMAKE_BINARY_DIR}/ico ${CMAKE_BINARY_DIR}/wave
        DESTINATION ${dorvek_data_dir})
install(FILES ${DORVEK_QM} DESTINATION ${dorvek_data_dir})
