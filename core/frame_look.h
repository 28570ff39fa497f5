// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_FRAME_LOOK_H
#define KOLVO_CORE_FRAME_LOOK_H

#include <SDL/SDL.h>

#include <cstdint>

// A drawn frame is shown until it is replaced, so a frame that would look exactly like the one on
// screen need not be drawn and presented again. Most frames of a game are such: a stone falls
// a row or two a second, the clock counts seconds. Skipping them saves the clearing, the drawing
// and the copy of the whole screen to the display, over a hundred times a second.
//
// A screen adds everything its frame would show (the kind of frame, cells, numbers, whether a
// text shows), and the screen loop asks NeedsDrawing. The look is a 64-bit digest, not the picture; it is
// refreshed every FRAME_REFRESH_MS anyway, which also repaints a window uncovered meanwhile, except
// where the shown picture stays as it is (a browser's canvas, engine_edge.h).
constexpr Uint32 FRAME_REFRESH_MS = 250;

// Benchmarks time the work of drawing a frame: while forced, every frame counts as new.
void ForceFrameDrawing(bool forced);

class FrameLook {
public:
    void Add(int64_t value);
    // True when the look added since the previous call differs from the one drawn last, or the
    // refresh is due: the frame must then be drawn, and counts as drawn. Starts the next look.
    bool NeedsDrawing(Uint32 now);

private:
    static constexpr uint64_t LOOK_START = 0xCBF29CE484222325u;  // FNV-1a's offset basis

    uint64_t digest = LOOK_START;
    uint64_t drawn = 0;
    bool drawnOnce = false;
    Uint32 drawnAt = 0;
};

#endif
