// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_OPTIONS_SCREEN_H
#define KOLVO_UI_OPTIONS_SCREEN_H

// The options screen: the music switch. True when the user left it; false on an error or a closed
// window.
bool OptionsScreen();

#endif
