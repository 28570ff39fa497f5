// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_SIDEBAR_H
#define KOLVO_GAME_SIDEBAR_H

class TextEngine;
class TumbloEngine;

constexpr int SIDEBAR_NO_LEVEL = -1;   // the challenge has no levels: the level line stays empty
constexpr int SIDEBAR_LINE_STEP = 40;  // pixels between the panel's lines
constexpr int SIDEBAR_NEXT_X = 20;     // the next stone, from the panel's corner
constexpr int SIDEBAR_NEXT_Y = 160;

// Writes the panel beside a playfield with its top-left corner at (x, y) pixels: "Level", "Score",
// "Lines", "Next" one under the other, and the next stone below. False, after "Draw Next failed!",
// when the next stone cannot be drawn.
bool DrawSidebar(int x, int y, int level, TumbloEngine& playfield, TextEngine& font);

#endif
