# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The game's pictures, fonts, script and sounds are generated, never committed. The generator runs
# again only when one of its own files changes. It writes nothing into the source tree (-B: no
# bytecode beside its modules), which may be read-only or about to become a source package.
file(GLOB KOLVO_DATA_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.py)
set(KOLVO_DATA_DIR ${CMAKE_BINARY_DIR}/data)
set(KOLVO_DATA_STAMP ${CMAKE_BINARY_DIR}/data.stamp)
add_custom_command(
  OUTPUT ${KOLVO_DATA_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${KOLVO_DATA_DIR}
  COMMAND /usr/bin/python3 -B ${CMAKE_SOURCE_DIR}/tools/make_data.py ${KOLVO_DATA_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${KOLVO_DATA_STAMP}
  DEPENDS ${KOLVO_DATA_TOOLS}
  COMMENT "Generating the game's data in ${KOLVO_DATA_DIR}"
  VERBATIM)
add_custom_target(kolvo_data ALL DEPENDS ${KOLVO_DATA_STAMP})
add_dependencies(kolvo kolvo_data)
