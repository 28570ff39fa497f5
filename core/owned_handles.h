// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_OWNED_HANDLES_H
#define KOLVO_CORE_OWNED_HANDLES_H

#include <SDL/SDL.h>

#include <cstdio>
#include <memory>

// The handles SDL and the C library give out, each owned by one type with its one deleter, so that
// nothing frees them by hand: whoever holds the handle owns it, and a plain pointer only borrows.

struct FileClose {
    void operator()(FILE* file) const { fclose(file); }
};
using OwnedFile = std::unique_ptr<FILE, FileClose>;

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using OwnedSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

#endif
