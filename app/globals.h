// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_APP_GLOBALS_H
#define KOLVO_APP_GLOBALS_H

#include "core/engine.h"
#include "core/gamepads.h"
#include "media/sound_stream.h"
#include "media/text_engine.h"

// The process-wide objects (gEngine, gWhiteFont, gOrangeFont, gMusic, gGamepads) are declared beside their
// classes, so that every screen reaches them without looking up here. They are defined in
// globals.cpp, in the one order that works: constructed before main in that order and destroyed in
// reverse, the music stream first (it shuts the sound library down), the engine last (it closes
// the log).

// Flags of the command line.
extern bool gFullscreen;  // cleared by -w
extern bool gDebug;       // set by -debug; only logged
extern int gScale;        // -s N: a window N times as large (1 to SCREEN_SCALE_MAX)
// -c: gChallengeComputer, declared in game/challenge.h

#endif
