# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Removes every file listed in the install manifest (DESTDIR is honoured as it was at install).
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (run the install first)")
endif()
file(STRINGS "${MANIFEST}" installed)
foreach(file ${installed})
  if(EXISTS "$ENV{DESTDIR}${file}" OR IS_SYMLINK "$ENV{DESTDIR}${file}")
    message(STATUS "Removing $ENV{DESTDIR}${file}")
    file(REMOVE "$ENV{DESTDIR}${file}")
  endif()
endforeach()
