// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_SCALED_SCREEN_H
#define KOLVO_CORE_SCALED_SCREEN_H

#include "core/owned_handles.h"
#include "core/screen_fit.h"

#include <SDL/SDL.h>

#include <vector>

// Shows the game's picture on a display larger than the picture: a scaled window, a full screen.
// The game draws into the picture, an ordinary surface in the display's pixel format, exactly as
// it would draw into the display. Present then copies what changed since the last present to the
// display, scaled, and has SDL show those parts alone. A drawn frame of a running game changes a
// stone and a number or two, so it costs a small part of a copy of the whole display.
class ScaledScreen {
public:
    ScaledScreen() = default;
    ~ScaledScreen() { Close(); }
    ScaledScreen(const ScaledScreen&) = delete;
    ScaledScreen& operator=(const ScaledScreen&) = delete;

    // Makes the picture for the display, placed on it as the fit says. The display stays SDL's
    // (or the caller's). False when the display is smaller than the fit's or the picture cannot
    // be made; SDL_GetError says why.
    bool Open(SDL_Surface* display, const ScreenFit& fit);
    // Frees the picture; the display is left as it is.
    void Close();
    // What the game draws into; none before Open.
    SDL_Surface* Picture() const { return picture.get(); }

    // Shows the picture. The first present after Open or Invalidate shows all of the display,
    // black around the picture; every later one only the tiles of the picture that changed. Returns
    // 0, or -1 when a surface cannot be locked, as SDL_Flip does.
    int Present();
    // Makes the next present show everything again, for a display whose content was lost.
    void Invalidate() { whole = true; }
    // The display rectangles that the last present had SDL show.
    int Updated(const SDL_Rect** rects) const;

    // The picture is compared with the one shown in tiles of TILE_W x TILE_H pixels; changed
    // tiles side by side in a row of tiles are shown as one rectangle.
    static constexpr int TILE_W = 32;
    static constexpr int TILE_H = 16;
    // Room for the rectangles of one present: the worst case of a 640 x 480 picture (every other
    // tile changed). A present that needs more shows the whole display in one.
    static constexpr int RECTS_MAX = 300;

private:
    void ScaleArea(int x, int y, int w, int h);
    void ShowChangedTiles();

    SDL_Surface* display = nullptr;
    OwnedSurface picture;
    ScreenFit fit = {};
    std::vector<Uint8> shown;   // the picture as the last present showed it, row by row
    std::vector<bool> changed;  // per tile of the band being compared
    bool whole = true;
    SDL_Rect rects[RECTS_MAX];
    int rectCount = 0;
};

#endif
