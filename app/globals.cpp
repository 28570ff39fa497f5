// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "app/globals.h"
#include "game/challenge.h"

// Kept on purpose: these are built before main. The order of these definitions is the order of
// construction; it matters (see globals.h).
Engine gEngine;
TextEngine gWhiteFont;
TextEngine gOrangeFont;
SoundStream gMusic;
Gamepads gGamepads;  // closed before the engine quits SDL

bool gSoundOn = true;
bool gFullscreen = true;
bool gDebug = false;
int gScale = 1;
bool gChallengeComputer = false;
