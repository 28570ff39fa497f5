# cmake --install puts the game where desktops look for it. bin/kolvo is the launcher that runs the
# game from the player's own directory; the program itself sits in libexec, beside nothing else.
include(GNUInstallDirs)
install(TARGETS kolvo RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kolvo)
install(PROGRAMS dist/kolvo-launch DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME kolvo)
install(DIRECTORY ${KOLVO_DATA_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/kolvo)
install(FILES dist/kolvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KOLVO_DATA_DIR}/grafik/kolvo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${KOLVO_DATA_DIR}/grafik/kolvo-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME kolvo.png)

# CMake keeps no uninstaller; this one removes exactly what the last install wrote.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${CMAKE_SOURCE_DIR}/cmake/uninstall.cmake
  COMMENT "Removing the files of the last install")
