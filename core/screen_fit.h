// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_SCREEN_FIT_H
#define KOLVO_CORE_SCREEN_FIT_H

// The game draws one picture of a fixed size; a big window or a full screen shows it larger. Each
// picture pixel then becomes a square of factor x factor display pixels, whole factors only, so
// every pixel keeps its shape and the picture stays sharp. The display is black around it.
constexpr int SCREEN_SCALE_MAX = 8;  // the largest window -s asks for

// Where the picture lies on the display. All sizes and positions are in pixels.
struct ScreenFit {
    int pictureW, pictureH;
    int displayW, displayH;  // the video mode to set
    int factor;
    int x, y;  // the picture's top-left corner on the display

    // True when the picture is the display itself and is shown as it is drawn.
    bool Direct() const { return displayW == pictureW && displayH == pictureH; }
    // Turns a point of the display (SDL reports the mouse in the window's pixels) into the
    // picture pixel shown there. A point on the black border goes to the nearest edge pixel.
    void ToPicture(int* px, int* py) const;
};

// The picture shown as it is: the display is the picture.
ScreenFit FitDirect(int pictureW, int pictureH);
// A window `scale` times as large as the picture (1 to SCREEN_SCALE_MAX).
ScreenFit FitWindow(int pictureW, int pictureH, int scale);
// A full screen of the desktop's size, the picture scaled by the largest whole factor that fits
// and centred. A desktop of unknown size (0) or smaller than the picture leaves the picture as it
// is, in a video mode of its own size.
ScreenFit FitDesktop(int pictureW, int pictureH, int desktopW, int desktopH);

#endif
