// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/sdl2_pads_edge.h"

// A browser's SDL 1.2 (emscripten's) stands on the Gamepad API, not on SDL 2: there is no SDL 2
// to give mappings to, and no library to load.
void AdoptUnknownPads() {}
