// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_SDL2_PADS_EDGE_H
#define KOLVO_CORE_SDL2_PADS_EDGE_H

// SDL 1.2 over SDL 2, asked for the controller layout, hands over only the pads that SDL 2 knows
// as controllers and leaves every other pad out. Before SDL 1.2's joysticks start, this gives SDL 2
// a mapping for each pad it does not know, drawn from the game's own table of pads
// (FindDeviceLayout, gamepads.h), so that those pads are handed over and play as well. It reaches
// SDL 2 through the copy the process has already loaded; on the classic library, where there is
// none, it does nothing. Logs one line for each pad it maps. A player's own mapping in
// SDL_GAMECONTROLLERCONFIG makes SDL 2 know a pad, and so wins.
void AdoptUnknownPads();

#endif
