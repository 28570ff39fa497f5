// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/frame_look.h"

#include "core/engine_edge.h"

static bool drawingForced = false;

void ForceFrameDrawing(bool forced)
{
    drawingForced = forced;
}

void FrameLook::Add(int64_t value)
{
    // FNV-1a over the value's eight bytes.
    uint64_t bits = static_cast<uint64_t>(value);
    for (int byte = 0; byte < 8; ++byte, bits >>= 8)
        digest = (digest ^ (bits & 0xFF)) * 0x100000001B3u;
}

bool FrameLook::NeedsDrawing(Uint32 now)
{
    const bool needed = drawingForced || !drawnOnce || digest != drawn ||
                        (!ShownPictureStays() && now - drawnAt >= FRAME_REFRESH_MS);
    if (needed) {
        drawn = digest;
        drawnOnce = true;
        drawnAt = now;
    }
    digest = LOOK_START;
    return needed;
}
