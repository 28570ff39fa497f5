// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/screen_fit.h"

#include <algorithm>

ScreenFit FitDirect(int pictureW, int pictureH)
{
    return ScreenFit{pictureW, pictureH, pictureW, pictureH, 1, 0, 0};
}

ScreenFit FitWindow(int pictureW, int pictureH, int scale)
{
    scale = std::clamp(scale, 1, SCREEN_SCALE_MAX);
    return ScreenFit{pictureW, pictureH, pictureW * scale, pictureH * scale, scale, 0, 0};
}

ScreenFit FitDesktop(int pictureW, int pictureH, int desktopW, int desktopH)
{
    const int factor = std::min(desktopW / pictureW, desktopH / pictureH);
    if (factor < 1)
        return FitDirect(pictureW, pictureH);
    return ScreenFit{pictureW,
                     pictureH,
                     desktopW,
                     desktopH,
                     factor,
                     (desktopW - pictureW * factor) / 2,
                     (desktopH - pictureH * factor) / 2};
}

void ScreenFit::ToPicture(int* px, int* py) const
{
    *px = std::clamp((*px - x) / factor, 0, pictureW - 1);
    *py = std::clamp((*py - y) / factor, 0, pictureH - 1);
}
