#ifndef KOLVO_APP_PROGRAM_H
#define KOLVO_APP_PROGRAM_H

// The whole program: reads the command line, starts the engine, loads the fonts, starts the music
// and runs the outer loop. Returns 1 after the usage text or a failed engine start, else 0.
int KolvoMain(int argc, char** argv);

// Runs the main menu and the screen it chooses until the user exits or a screen fails. Needs the
// engine and both fonts ready.
void RunOuterLoop();

// Menu results.
constexpr int MENU_ERROR = -1;
constexpr int MENU_GAME = 1;
constexpr int MENU_CHALLENGE = 2;
constexpr int MENU_OPTIONS = 3;
constexpr int MENU_INFO = 4;
constexpr int MENU_EXIT = 5;
constexpr int MENU_HIGHSCORE = 6;

#endif
