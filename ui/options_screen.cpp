// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/options_screen.h"

#include "core/engine.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/page_edge.h"
#include "core/screen.h"
#include "core/ticks.h"
#include "media/sound_stream.h"
#include "media/sprite.h"
#include "media/text_engine.h"
#include "ui/button.h"
#include "ui/input_handler.h"
#include "ui/label.h"
#include "ui/pointer.h"
#include "ui/version.h"

#include <cstdint>

// The music switch: its picture's corner, and the area that reacts, strict on both sides.
constexpr int OPTIONS_SWITCH_X = 200;
constexpr int OPTIONS_SWITCH_Y = 200;
constexpr int OPTIONS_SWITCH_SIZE = 50;
// Holding the button on the switch flips the music about three times a second.
constexpr Uint32 OPTIONS_SWITCH_GUARD_MS = 300;
constexpr int OPTIONS_CAPTION_X = 200;
constexpr int OPTIONS_CAPTION_Y = 170;

static const FrameRules OPTIONS_FRAME = {
    FRAME_PERIOD_MENU_MS,  FRAME_EVENTS_UNTIL_CLOSED, FRAME_END_AT_ONCE,
    FRAME_DRAWS_CHANGES,   "Flip screen failed!",     FRAME_CLOSED_FAILS,
    "User closed window!", "Fill Screen failed!",     FRAME_PADS_UNREAD};

// Everything one visit of the options screen owns.
class OptionsPage : public Screen {
public:
    bool SetUp();
    void Release();

    void HandleEvent(const SDL_Event& event) override;
    bool Step() override;
    void AddLook(FrameLook& look) const override;
    bool Draw() override;
    bool Done() const override { return leave; }

    bool leave = false;

private:
    void RunSwitch();
    bool InSwitchArea() const;

    InputHandler input;
    Pointer pointer;
    Button back;
    Label header;
    Sprite soundOn, soundOff;
    Uint32 lastSwitch = 0;
    int32_t pointerX = 0, pointerY = 0, pointerButtons = 0;
};

bool OptionsPage::SetUp()
{
    input.Init();
    if (!pointer.Load("data/grafik/mouse.bmp"))
        return false;
    back.Create(MakeRect(10, 410, 90, 40));
    if (!back.LoadNormal("data/grafik/back.jpg"))
        return false;
    back.SetPointer(&pointerX, &pointerY, &pointerButtons);
    header.Create(MakeRect(10, 10, 0, 0));
    return header.LoadImage("data/grafik/menu_top.jpg") && soundOn.Load("data/grafik/sndon.jpg") &&
           soundOff.Load("data/grafik/sndoff.jpg");
}

bool OptionsPage::InSwitchArea() const
{
    return OPTIONS_SWITCH_X < pointerX && pointerX < OPTIONS_SWITCH_X + OPTIONS_SWITCH_SIZE &&
           OPTIONS_SWITCH_Y < pointerY && pointerY < OPTIONS_SWITCH_Y + OPTIONS_SWITCH_SIZE;
}

// The switch turns the music and the flag the game modes share; effects are not switched.
void OptionsPage::RunSwitch()
{
    if (!(pointerButtons & POINTER_LEFT) || !InSwitchArea())
        return;
    Uint32 now = Ticks();
    if (now - lastSwitch <= OPTIONS_SWITCH_GUARD_MS)
        return;
    lastSwitch = now;
    ToggleMusic();
}

void OptionsPage::HandleEvent(const SDL_Event& event)
{
    input.Take(event);
}

// The back button and any key that gives a character (Escape included) leave; the frame in which
// they do is still drawn and shown.
bool OptionsPage::Step()
{
    pointer.Update();
    const int32_t key = input.GetKey();
    pointer.Get(&pointerX, &pointerY, &pointerButtons);
    if (!back.Update())
        return Fail("Run back Button failed!");
    if (back.GetState() == BUTTON_PRESSED) {
        gEngine.Log(2, "User pressed back button!");
        leave = true;
    }
    if (key != 0) {
        gEngine.Log(2, "User exits!");
        leave = true;
    }
    RunSwitch();
    return true;
}

// What the screen shows besides its fixed pictures: the pointer, the back button and the switch.
void OptionsPage::AddLook(FrameLook& look) const
{
    look.Add(pointerX);
    look.Add(pointerY);
    look.Add(back.GetState());
    look.Add(gSoundOn);
}

bool OptionsPage::Draw()
{
    Sprite& state = gSoundOn ? soundOn : soundOff;
    state.Draw(OPTIONS_SWITCH_X,
               OPTIONS_SWITCH_Y);  // a missing switch picture is no reason to stop
    if (!header.Draw())
        return Fail("Draw Label failed!");
    if (!back.Draw())
        return Fail("Draw Back button failed!");
    gWhiteFont.PutString(OPTIONS_CAPTION_X, OPTIONS_CAPTION_Y, "Sound");
    DrawVersion();
    return pointer.Draw() || Fail("Draw Mouse failed!");
}

void OptionsPage::Release()
{
    back.Reset();
    header.Reset();
    pointer.Unload();
    input.Release();
}

bool OptionsScreen()
{
    OptionsPage page;
    gEngine.Log(2, "Options called...");
    if (!page.SetUp()) {
        page.Release();
        return false;
    }
    gEngine.Log(2, "Data loaded!");
    ShowPageControls(PAGE_POINTER);
    RunScreen(page, OPTIONS_FRAME);
    gEngine.Log(2, "Release point reached!");
    page.Release();
    // A step that fails in the frame the user asked to leave in does not keep them here.
    gEngine.Log(2, page.leave ? "Return true" : "Return false");
    return page.leave;
}
