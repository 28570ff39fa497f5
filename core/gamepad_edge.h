// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_GAMEPAD_EDGE_H
#define KOLVO_CORE_GAMEPAD_EDGE_H

// Where the gamepads meet the platform. The desktop's SDL 1.2 numbers a pad's buttons as its
// driver does (or as SDL 2's controller layout does, when asked), and counts its pads once, when
// its joysticks start. A browser's SDL (emscripten's) hands over the Gamepad API's pads: every one
// in the standard mapping, each under the slot number the browser gave it for as long as it stays
// connected, with empty slots among them, and pads come and go while the page is open. One file
// per platform (gamepad_desktop.cpp, gamepad_web.cpp), chosen by the build.

// Whether every pad of this platform comes in the Gamepad API's standard mapping
// (GAMEPAD_STANDARD_LAYOUT, gamepads.h), whatever SDL's version says.
bool PadsInStandardMapping();

// Whether SDL's joystick `number` is a pad now: one SDL counts, not an empty slot.
bool PadThere(int number);

// Whether a pad was connected or taken away since the last call, while watched. Never on the
// desktop.
bool PadsCameOrWent();

// Starts or stops watching for pads that come and go. A browser polls the pads for as long as a
// page listens for them, pads or not, at a cost of about 1% of a core; so the game watches only
// while a screen reads pads. Starting again counts as a change, so that a pad that came or went
// meanwhile is looked for. Nothing on the desktop.
void WatchPads(bool watch);

#endif
