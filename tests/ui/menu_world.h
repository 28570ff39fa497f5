#ifndef KOLVO_TESTS_UI_MENU_WORLD_H
#define KOLVO_TESTS_UI_MENU_WORLD_H

#include <SDL/SDL.h>

// The looks of the pictures in the tests' own data: every button, normal and hover, and the two
// pictures of the music switch.
constexpr Uint32 LOOK_NORMAL = 0x00AA00;
constexpr Uint32 LOOK_HOVER = 0xAA0000;
constexpr Uint32 LOOK_SOUND_ON = 0x00FF00;
constexpr Uint32 LOOK_SOUND_OFF = 0xFF0000;

// The headless engine in a working directory whose data/ holds plain pictures and a font of the
// tests' own, so every look is known, and the game's hover sound. Loads the white font from it.
void StartMenuWorld();

// A mouse of the test's own that every Pointer reads while it lives; SDL's dummy video driver
// cannot be given mouse buttons.
class FakeMouse {
public:
    FakeMouse();
    ~FakeMouse();
    FakeMouse(const FakeMouse&) = delete;
    FakeMouse& operator=(const FakeMouse&) = delete;

    void Move(int x, int y);
    void Hold(Uint8 sdlMask = SDL_BUTTON_LMASK);  // replaces the buttons held
    void Click(int x, int y) { Move(x, y), Hold(); }
    void Release() { Hold(0); }
};

// Counts the hover sounds the buttons play while it lives, instead of playing them.
class HoverSounds {
public:
    HoverSounds();
    ~HoverSounds();
    HoverSounds(const HoverSounds&) = delete;
    HoverSounds& operator=(const HoverSounds&) = delete;

    int plays = 0;
};

#endif
