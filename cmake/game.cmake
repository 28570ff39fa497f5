# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

# The game's code, one folder a layer, as one library (so that the program, the tests and the
# benchmarks share every line of it), and the program. The platform's libraries are the caller's
# to link: the desktop's from pkg-config, the browser's from emscripten.
add_library(kolvo_core STATIC)
target_include_directories(kolvo_core PUBLIC ${CMAKE_SOURCE_DIR})
foreach(layer core media ui highscore game app)
  add_subdirectory(${layer})
endforeach()

add_executable(kolvo app/main.cpp)
target_link_libraries(kolvo PRIVATE kolvo_core)
