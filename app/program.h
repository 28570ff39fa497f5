// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_APP_PROGRAM_H
#define KOLVO_APP_PROGRAM_H

// The whole program: reads the command line, starts the engine, loads the fonts, starts the music
// and runs the outer loop. Returns 1 after the usage text or a failed engine start, else 0.
int KolvoMain(int argc, char** argv);

// Runs the main menu and the screen it chooses until the user exits or a screen fails. Needs the
// engine and both fonts ready.
void RunOuterLoop();

#endif
