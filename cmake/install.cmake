# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# cmake --install puts the game where desktops look for it. The launcher runs the game from the
# player's own directory; the program itself sits beside nothing else, and the data on its own.
# The three places are cache variables, relative to the prefix or absolute: the defaults suit any
# system (bin/, libexec/kolvo, share/kolvo/data), and Debian's packaging picks Debian's games
# layout (games/, lib/games/kolvo, share/games/kolvo).
include(GNUInstallDirs)
set(KOLVO_INSTALL_LAUNCHERDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Where the launcher, kolvo, goes (relative to the prefix, or absolute)")
set(KOLVO_INSTALL_PROGRAMDIR ${CMAKE_INSTALL_LIBEXECDIR}/kolvo CACHE STRING
    "Where the game's program goes, out of the search path (relative to the prefix, or absolute)")
set(KOLVO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/kolvo/data CACHE STRING
    "Where the game's pictures, fonts and sounds go (relative to the prefix, or absolute)")

# The launcher finds the program and the data relative to itself, so that the installed tree can
# be moved; it learns the way from its own directory to theirs here.
get_filename_component(launcher_dir ${KOLVO_INSTALL_LAUNCHERDIR} ABSOLUTE BASE_DIR ${CMAKE_INSTALL_PREFIX})
get_filename_component(program_dir ${KOLVO_INSTALL_PROGRAMDIR} ABSOLUTE BASE_DIR ${CMAKE_INSTALL_PREFIX})
get_filename_component(data_dir ${KOLVO_INSTALL_DATADIR} ABSOLUTE BASE_DIR ${CMAKE_INSTALL_PREFIX})
file(RELATIVE_PATH KOLVO_LAUNCHER_TO_PROGRAM ${launcher_dir} ${program_dir}/kolvo)
file(RELATIVE_PATH KOLVO_LAUNCHER_TO_DATA ${launcher_dir} ${data_dir})
configure_file(dist/kolvo-launch ${CMAKE_BINARY_DIR}/kolvo-launch @ONLY)

install(TARGETS kolvo RUNTIME DESTINATION ${KOLVO_INSTALL_PROGRAMDIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/kolvo-launch DESTINATION ${KOLVO_INSTALL_LAUNCHERDIR} RENAME kolvo)
install(DIRECTORY ${KOLVO_DATA_DIR}/ DESTINATION ${KOLVO_INSTALL_DATADIR})
# The desktop entry carries the game's AppStream id as its name, and the metainfo names the entry
# back, so that software centres show the description and screenshots with the menu's entry.
install(FILES dist/example.mossbrook.kolvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/example.mossbrook.kolvo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/kolvo.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${KOLVO_DATA_DIR}/grafik/kolvo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${KOLVO_DATA_DIR}/grafik/kolvo-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME kolvo.png)

# CMake keeps no uninstaller; this one removes exactly what the last install wrote.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${CMAKE_SOURCE_DIR}/cmake/uninstall.cmake
  COMMENT "Removing the files of the last install")
