// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_MEDIA_PICTURE_EDGE_H
#define KOLVO_MEDIA_PICTURE_EDGE_H

#include <SDL/SDL.h>

// Where pictures meet the platform's SDL. The desktop's SDL 1.2 leaves out a picture's key colour
// as it blits; a browser's (emscripten's) draws pictures as canvases, ignores key colours and
// keeps an alpha channel instead. One file per platform (picture_desktop.cpp,
// picture_web.cpp), chosen by the build.

// From now on the picture's pixels of colour `key` (in the picture's own format) are left out
// when it is drawn; `flags` are SDL_SetColorKey's (SDL_SRCCOLORKEY, maybe SDL_RLEACCEL). 0, or -1
// with SDL's error set.
int SetKeyColour(SDL_Surface* picture, Uint32 flags, Uint32 key);

// A copy of the picture in the form that is drawn fastest on the screen, key colour and all; null
// with SDL's error set.
SDL_Surface* ForDisplay(SDL_Surface* picture);

#endif
