// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_VERSION_H
#define KOLVO_UI_VERSION_H

constexpr char GAME_VERSION[] = "0.89.6";
// Where the menu-style screens show it, in pixels.
constexpr int VERSION_X = 540;
constexpr int VERSION_Y = 450;

// Writes "V" and the version in the white font at its place.
void DrawVersion();

#endif
