// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/mode_frame.h"

#include "core/engine.h"
#include "core/frame.h"
#include "game/tumblo_engine.h"
#include "media/sound_stream.h"

#include <utility>

static ModeObserver modeObserver;

bool OpenModeSounds(SoundStream& landing, SoundStream& line, SoundStream& lose,
                    SoundStream& highscore)
{
    return OpenEffect(landing, MODE_LANDING_SOUND) && OpenEffect(line, MODE_LINE_SOUND) &&
           OpenEffect(lose, MODE_LOSE_SOUND) && OpenEffect(highscore, MODE_HIGHSCORE_SOUND);
}

bool KeyHeld(SDLKey key)
{
    return gEngine.keys[key] != 0;
}

bool Fail(const char* message)
{
    gEngine.Log(2, "%s", message);
    return false;
}

bool FillScreen()
{
    return ClearScreen(gEngine.screen) == 0 || Fail("Fill Screen failed!");
}

static Uint32 KeyBits(SDLKey turn, SDLKey right, SDLKey down, SDLKey left)
{
    Uint32 bits = 0;
    if (KeyHeld(turn))
        bits |= KEY_ROTATE;
    if (KeyHeld(right))
        bits |= KEY_RIGHT;
    if (KeyHeld(down))
        bits |= KEY_DOWN;
    if (KeyHeld(left))
        bits |= KEY_LEFT;
    return bits;
}

Uint32 ArrowKeyBits()
{
    return KeyBits(SDLK_UP, SDLK_RIGHT, SDLK_DOWN, SDLK_LEFT);
}

Uint32 LetterKeyBits()
{
    return KeyBits(SDLK_w, SDLK_d, SDLK_s, SDLK_a);
}

bool DrainEventsForQuit()
{
    bool quit = false;
    while (SDL_PollEvent(&gEvent)) {
        if (gEvent.type == SDL_QUIT) {
            gEngine.Log(1, "user killed window! - exit");
            quit = true;
        }
    }
    return quit;
}

bool PauseMusicKeys::Check(Uint32 now, bool* paused)
{
    if (now - keyTick <= MODE_KEY_REPEAT_MS)
        return false;
    keyTick = now;
    if (KeyHeld(SDLK_p)) {
        *paused = !*paused;
        return *paused;
    }
    if (KeyHeld(SDLK_m))
        ToggleMusic();
    return false;
}

void SetModeObserver(ModeObserver observer)
{
    modeObserver = std::move(observer);
}

void ReportSetUp(TumbloEngine* left, TumbloEngine* right)
{
    if (modeObserver.setUp)
        modeObserver.setUp(left, right);
}

void PlayEndSound(SoundStream& sound, const char* soundFile)
{
    sound.Play(false);
    if (modeObserver.endSound)
        modeObserver.endSound(soundFile);
}
