# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

# The browser version, built by scripts/web.sh with emscripten, which brings SDL itself: its SDL
# 1.2 runs on the page's canvas, keyboard, mouse, gamepads and Web Audio. The same sources as the
# desktop's; the platform's edges are picked in core/ and media/.
include(cmake/game.cmake)
include(cmake/data.cmake)

set(KOLVO_PAGE_DIR ${CMAKE_BINARY_DIR}/page CACHE PATH "Where the page's files are put")
set_target_properties(kolvo PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${KOLVO_PAGE_DIR})
# ASYNCIFY lets the game's own blocking loop run: each wait in it gives the browser its turn.
# The data comes with the page, preloaded under /data (core/kept_files_web.cpp copies it into the
# kept working directory); stb_image decodes its pictures where they lie (emscripten's SDL calls it
# through the exports). FS stays reachable from
# the page's scripts, for the page's own links and for anyone curious about the log. When the
# player quits, the program ends as on the desktop: the engine shuts down and the log gets its footer.
target_link_options(kolvo PRIVATE
  "SHELL:-s ASYNCIFY=1"
  "SHELL:-s ASYNCIFY_STACK_SIZE=65536"
  "SHELL:-s ALLOW_MEMORY_GROWTH=1"
  "SHELL:-s STB_IMAGE=1"
  "SHELL:-s EXPORTED_FUNCTIONS=_main,_malloc,_free,_KolvoChallengeComputer,_stbi_load,_stbi_load_from_memory,_stbi_image_free"
  "SHELL:-s FORCE_FILESYSTEM=1"
  "SHELL:-s EXPORTED_RUNTIME_METHODS=FS"
  "SHELL:-s ENVIRONMENT=web"
  "SHELL:-s EXIT_RUNTIME=1"
  "SHELL:--preload-file ${KOLVO_DATA_DIR}@/data"
  -lidbfs.js)
set_property(TARGET kolvo APPEND PROPERTY LINK_DEPENDS ${KOLVO_DATA_STAMP})

# The page's own files are copied as they are; the icons and the service worker are made after
# the game is linked (web/page_files.py), the worker's cache named after every other file's bytes.
set(KOLVO_PAGE_FILES index.html fit.js touch.js touch.css manifest.webmanifest)
set(KOLVO_PAGE_COPIES)
foreach(file ${KOLVO_PAGE_FILES})
  configure_file(${CMAKE_SOURCE_DIR}/web/${file} ${KOLVO_PAGE_DIR}/${file} COPYONLY)
  list(APPEND KOLVO_PAGE_COPIES ${KOLVO_PAGE_DIR}/${file})
endforeach()
add_custom_command(
  OUTPUT ${KOLVO_PAGE_DIR}/sw.js
  COMMAND /usr/bin/python3 -B ${CMAKE_SOURCE_DIR}/web/page_files.py ${CMAKE_SOURCE_DIR} ${KOLVO_PAGE_DIR}
  DEPENDS kolvo ${KOLVO_PAGE_COPIES} ${CMAKE_SOURCE_DIR}/web/sw.js ${CMAKE_SOURCE_DIR}/web/page_files.py
          ${CMAKE_SOURCE_DIR}/tools/kolvo_art.py
  COMMENT "Making the page's icons and service worker"
  VERBATIM)
add_custom_target(kolvo_page ALL DEPENDS ${KOLVO_PAGE_DIR}/sw.js)
