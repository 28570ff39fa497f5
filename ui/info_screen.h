// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_INFO_SCREEN_H
#define KOLVO_UI_INFO_SCREEN_H

// The info screen. True when the user left it by a key or by closing the window; false on an
// error.
bool InfoScreen();

#endif
