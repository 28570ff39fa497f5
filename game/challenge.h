// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_CHALLENGE_H
#define KOLVO_GAME_CHALLENGE_H

// One two-player challenge. True: back to the menu; false: its set-up failed, already logged.
bool Challenge();

#endif
