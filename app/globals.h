#ifndef KOLVO_APP_GLOBALS_H
#define KOLVO_APP_GLOBALS_H

#include "app/engine.h"
#include "media/sound_stream.h"
#include "media/text_engine.h"

#include <SDL/SDL.h>

// The process-wide objects, constructed before main in this order and destroyed in reverse: the
// music stream goes first (it shuts the sound library down), the engine last (it closes the log).
extern Engine gEngine;
extern TextEngine gWhiteFont;   // all ordinary text
extern TextEngine gOrangeFont;  // text set off over a playfield ("marked" in the log)
extern SoundStream gMusic;      // the background music; its construction starts the sound library

// Process-wide flags.
extern bool gFullscreen;  // cleared by -w
extern bool gSoundOn;     // whether the music plays; switched with it by options and the game keys
extern bool gDebug;       // set by -debug; only logged

// The event record that the game modes, the highscore screen and the info screen poll into.
extern SDL_Event gEvent;

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;
constexpr char GAME_VERSION[] = "0.89.6";
constexpr int VERSION_X = 540;
constexpr int VERSION_Y = 450;

// Switches the background music and the sound-on flag together: stops the music when it plays,
// plays it again, looping, when it does not.
void ToggleMusic();

// Writes "V" and the version in the white font at its place on the menu-style screens.
bool DrawVersion();

#endif
