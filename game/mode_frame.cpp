// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/mode_frame.h"

#include "core/engine.h"
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

void PauseMusicKeys::Check(Uint32 now)
{
    if (now - keyTick <= MODE_KEY_REPEAT_MS)
        return;
    keyTick = now;
    if (KeyHeld(SDLK_p))
        paused = !paused;
    else if (KeyHeld(SDLK_m))
        ToggleMusic();
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
