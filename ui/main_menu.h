// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_MAIN_MENU_H
#define KOLVO_UI_MAIN_MENU_H

// What the main menu returns: the screen the user chose, exit, or an error (the menu could not
// start, a frame failed, or the window was closed).
constexpr int MENU_ERROR = -1;
constexpr int MENU_GAME = 1;
constexpr int MENU_CHALLENGE = 2;
constexpr int MENU_OPTIONS = 3;
constexpr int MENU_INFO = 4;
constexpr int MENU_EXIT = 5;
constexpr int MENU_HIGHSCORE = 6;

// Shows the main menu until the user chooses; returns one of the MENU_ results.
int RunMainMenu();

#endif
