// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_CHALLENGE_H
#define KOLVO_GAME_CHALLENGE_H

constexpr int CHALLENGE_START_SPEED = 400;  // both sides' speed at an even score

// Set by -c (or the web page's control): every challenge starts with the computer on the right.
// F1 and F2 hand the left and the right playfield to the computer and back during a challenge.
extern bool gChallengeComputer;

// One two-player challenge. True: back to the menu; false: its set-up failed, already logged.
bool Challenge();

#endif
