// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_GAME_H
#define KOLVO_GAME_GAME_H

// One single-player game, from set-up to the highscore chain. True: back to the menu; false: an
// error, already logged.
bool Game();

#endif
