#ifndef KOLVO_TESTS_UI_MENU_WORLD_H
#define KOLVO_TESTS_UI_MENU_WORLD_H

#include "media/sound_stream.h"
#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <functional>

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

// A menu-style screen run whole, with a step after every flip (frame 0 is the first flip). A
// screen still open after lastFrame frames is closed like a window.
class MenuWorldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartMenuWorld();
        DrainEvents();
        gSoundOn = true;
    }
    template <typename Screen>
    auto RunScreen(Screen screen, int lastFrame, std::function<void(int)> step)
    {
        FrameScript script([&](int frame) {
            step(frame);
            if (frame == lastFrame)
                PushQuit();
        });
        auto result = screen();
        frames = script.Frames();
        return result;
    }
    FakeClock clock;
    FakeMouse mouse;
    LogSink log;
    int frames = 0;
};

#endif
