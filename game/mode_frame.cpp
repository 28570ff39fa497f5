// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/mode_frame.h"

#include "core/engine.h"
#include "core/screen.h"
#include "core/ticks.h"
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
    return KeyOrPadHeld(key, MODE_NO_PAD, GAMEPAD_A);
}

bool LeaveHeld()
{
    return KeyHeld(SDLK_ESCAPE) || gGamepads.TakePress(GAMEPAD_ANY, GAMEPAD_BACK);
}

Uint32 PlayerKeyBits(const PlayerControls& player)
{
    const int pad = player.pad;
    Uint32 bits = 0;
    if (KeyOrPadHeld(player.turn, pad, GAMEPAD_UP) || KeyOrPadHeld(player.turn, pad, GAMEPAD_A) ||
        KeyOrPadHeld(player.turn, pad, GAMEPAD_B))
        bits |= KEY_ROTATE;
    if (KeyOrPadHeld(player.right, pad, GAMEPAD_RIGHT))
        bits |= KEY_RIGHT;
    if (KeyOrPadHeld(player.down, pad, GAMEPAD_DOWN))
        bits |= KEY_DOWN;
    if (KeyOrPadHeld(player.left, pad, GAMEPAD_LEFT))
        bits |= KEY_LEFT;
    return bits;
}

// Kept on purpose: P and M are read once per 200 ms window, so a hold toggles about five times a
// second and a short tap between two reads goes unseen; players know the pause by this rhythm.
void PauseMusicKeys::Check(Uint32 now)
{
    if (now - keyTick <= MODE_KEY_REPEAT_MS)
        return;
    keyTick = now;
    // A pad's Start acts once per press, the press kept until this read: held, it neither pauses
    // and resumes over and over nor is a tap lost.
    const bool start = gGamepads.TakePress(GAMEPAD_ANY, GAMEPAD_START);
    if (KeyHeld(SDLK_p) || start)
        paused = !paused;
    else if (KeyHeld(SDLK_m))
        ToggleMusic();
}

Uint32 PauseMusicKeys::QuietFor(Uint32 now) const
{
    return TicksUntilPassed(keyTick, MODE_KEY_REPEAT_MS, now);
}

void PauseMusicKeys::Note(const SDL_Event& event)
{
    if (LosesFocus(event))
        paused = true;
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
