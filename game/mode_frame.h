#ifndef KOLVO_GAME_MODE_FRAME_H
#define KOLVO_GAME_MODE_FRAME_H

#include <SDL/SDL.h>

// What the frames of both game modes share. Keys are read from the engine's key state array: what
// counts is whether a key is held in this frame, never how often it was pressed.

// Repeat guard of the pause and music keys, in milliseconds: they act at most once per window.
constexpr Uint32 MODE_KEY_REPEAT_MS = 200;

// The key bits for the playfield from the arrow keys (the single player, the right player of the
// challenge) or from W, A, S, D (the left player).
Uint32 ArrowKeyBits();
Uint32 LetterKeyBits();

bool KeyHeld(SDLKey key);

// Logs a failed step of a frame at level 2 and returns false, so a step can end in return Fail(...).
bool Fail(const char* message);

// Fills the whole screen with black; false, after "Fill Screen failed!", when SDL refuses.
bool FillScreen();

// Drains SDL's event queue into the process-wide event record. Every window close is logged;
// true when there was one.
bool DrainEventsForQuit();

// P and M, throttled together: P toggles the pause and wins when both are held; M switches the
// background music and the sound-on flag.
class PauseMusicKeys {
public:
    void Start(Uint32 now) { keyTick = now; }
    // Reads the keys when the repeat window has passed. True when this call turned the pause on.
    bool Check(Uint32 now, bool* paused);

private:
    Uint32 keyTick = 0;
};

#endif
