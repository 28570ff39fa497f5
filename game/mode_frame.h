// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_MODE_FRAME_H
#define KOLVO_GAME_MODE_FRAME_H

#include "core/gamepads.h"

#include <SDL/SDL.h>

#include <functional>

class SoundStream;
class TumbloEngine;

// What the frames of both game modes share. Keys are read from the engine's key state array and
// pads from what their events left held (gamepads.h): what counts is whether a key or its pad
// input is held in this frame, never how often it was pressed.

// The effect sounds both modes open, in this order: the landing and the line sound go into the
// playfields' sound slots, the lose and the highscore sound end a game.
constexpr char MODE_LANDING_SOUND[] = "data/sound/stonedown.wav";
constexpr char MODE_LINE_SOUND[] = "data/sound/crackline.wav";
constexpr char MODE_LOSE_SOUND[] = "data/sound/loose.wav";  // Kept on purpose: the data's name
constexpr char MODE_HIGHSCORE_SOUND[] = "data/sound/highscore.wav";

// Opens the four in that order; false at the first that fails while sound works (a machine
// without sound plays the game in silence).
bool OpenModeSounds(SoundStream& landing, SoundStream& line, SoundStream& lose,
                    SoundStream& highscore);

// Repeat guard of the pause and music keys, in milliseconds: they act at most once per window.
constexpr Uint32 MODE_KEY_REPEAT_MS = 200;

// Who steers one playfield: four keys, and the pads that play beside them. A pad's direction
// counts as the key for it, and A or B as the turning key too, so the playfield's key window
// treats both alike.
struct PlayerControls {
    SDLKey left, right, turn, down;
    int pad;  // a pad's number, or GAMEPAD_ANY
};
// The single game: the arrow keys and any pad. The challenge: W, A, S, D and the first pad on the
// left, the arrow keys and the second pad on the right (one pad alone plays the left).
constexpr PlayerControls MODE_SINGLE_PLAYER = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN,
                                               GAMEPAD_ANY};
constexpr PlayerControls MODE_LEFT_PLAYER = {SDLK_a, SDLK_d, SDLK_w, SDLK_s, 0};
constexpr PlayerControls MODE_RIGHT_PLAYER = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, 1};

// The key bits for the playfield from what its player holds now.
Uint32 PlayerKeyBits(const PlayerControls& player);

// No pad stands in for the key: KeyOrPadHeld asks a pad number no pad has.
constexpr int MODE_NO_PAD = GAMEPAD_MAX;
// A key alone: M, and P and Escape, whose pad buttons act as presses (TakePress).
bool KeyHeld(SDLKey key);
// Escape held, or a press of Back on any pad: leave the game.
bool LeaveHeld();

// P and M, throttled together: P (or a press of Start on any pad) toggles the pause and wins when
// both are held; M switches the background music and the sound-on flag. A window that loses the focus or
// is minimised pauses the game too, and only P or Start resume it: a player coming back finds the
// game as it was left.
class PauseMusicKeys {
public:
    void Start(Uint32 now) { keyTick = now; }
    // Reads the keys when the repeat window has passed.
    void Check(Uint32 now);
    // Pauses when the event says the window is away (LosesFocus); a paused game stays paused.
    void Note(const SDL_Event& event);
    bool Paused() const { return paused; }
    Uint32 QuietFor(Uint32 now) const;  // milliseconds from now until the keys are read again

private:
    Uint32 keyTick = 0;
    bool paused = false;
};

// Test seam: what a test cannot see or arrange from outside a running mode. Once set up, before its
// first frame, a mode hands its playfields to setUp (the single game's one as left, right null;
// they live until the mode returns). Each lose or highscore sound it starts is named to endSound
// by its file. Empty members are not called; the modes never depend on an observer.
struct ModeObserver {
    std::function<void(TumbloEngine* left, TumbloEngine* right)> setUp;
    std::function<void(const char* soundFile)> endSound;
};
void SetModeObserver(ModeObserver observer);  // a default-constructed one removes it

void ReportSetUp(TumbloEngine* left, TumbloEngine* right);
// Plays one of the sounds that end a game once, not looped, and tells the observer.
void PlayEndSound(SoundStream& sound, const char* soundFile);

#endif
