#include "app/globals.h"

// The order of these definitions is the order of construction; it matters (see globals.h).
Engine gEngine;
TextEngine gWhiteFont;
TextEngine gOrangeFont;
SoundStream gMusic;

bool gFullscreen = true;
bool gSoundOn = true;
bool gDebug = false;

SDL_Event gEvent;

void ToggleMusic()
{
    if (gSoundOn)
        gMusic.Stop();
    else
        gMusic.Play(true);
    gSoundOn = !gSoundOn;
}

bool DrawVersion()
{
    return gWhiteFont.PutStringF(VERSION_X, VERSION_Y, "V%s", GAME_VERSION);
}
