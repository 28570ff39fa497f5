// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_HIGHSCORE_HIGHSCORE_SCREEN_H
#define KOLVO_HIGHSCORE_HIGHSCORE_SCREEN_H

// Shows the ten best stored results until the player leaves. True when the player left (a key or
// a closed window); false when a step failed.
bool ShowHighscore();

#endif
