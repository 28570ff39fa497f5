// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_PAGE_EDGE_H
#define KOLVO_CORE_PAGE_EDGE_H

// Where the game meets the page around the browser version's picture. On a touch screen the page
// shows the controls a screen is played with; it cannot tell the screens apart by itself, so each
// screen says what it takes as it begins. On the desktop there is no page and nothing happens
// (page_desktop.cpp); in a browser the page is told at once (page_web.cpp).

// What a screen takes, beside the keys and the pointer it always takes.
enum PageControls {
    PAGE_POINTER,    // taps on the picture only, as the pointer: the menu and the options
    PAGE_RETURN,     // a tap does what Return does: the info screen, the list, a challenge's result
    PAGE_SINGLE,     // the single game's six controls
    PAGE_CHALLENGE,  // each player's four controls on their own side, pause and end shared
    PAGE_NAME,       // typed characters: the device's own keyboard
};

void ShowPageControls(PageControls controls);

// The name entry's text after each key it took, so that the page's own text field, which the
// device's keyboard types into, holds what the game kept of it (the game decides which characters
// a name takes and how many).
void ShowPageText(const char* text);

// Whether the computer plays a challenger's side (0 left, 1 right), so that the page shows that
// side no touch controls: nobody's fingers play it.
void ShowPageComputerSide(int side, bool computer);

#endif
