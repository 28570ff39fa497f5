// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/main_menu.h"

#include "core/engine.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/page_edge.h"
#include "core/screen.h"
#include "core/ticks.h"
#include "media/text_engine.h"
#include "ui/button.h"
#include "ui/input_handler.h"
#include "ui/label.h"
#include "ui/pointer.h"
#include "ui/version.h"

#include <cstdint>
#include <iterator>

struct MenuButtonLayout {
    Uint16 x, y, w, h;
    const char* normalPicture;
    const char* hoverPicture;
    int result;  // what the menu returns when the button is pressed
};

// In drawing, updating and checking order: when several buttons are pressed in one frame, the
// last one wins.
static const MenuButtonLayout MENU_BUTTONS[] = {
    {80, 150, 242, 50, "data/grafik/menu_startgame.jpg", "data/grafik/menu_startgame_a.jpg",
     MENU_GAME},
    {80, 200, 311, 58, "data/grafik/menu_startchallenge.jpg",
     "data/grafik/menu_startchallenge_a.jpg", MENU_CHALLENGE},
    {80, 258, 163, 52, "data/grafik/menu_options.jpg", "data/grafik/menu_options_a.jpg",
     MENU_OPTIONS},
    {80, 310, 113, 42, "data/grafik/menu_info.jpg", "data/grafik/menu_info_a.jpg", MENU_INFO},
    {80, 352, 105, 51, "data/grafik/menu_quit.jpg", "data/grafik/menu_quit_a.jpg", MENU_EXIT},
};
constexpr int MENU_BUTTON_COUNT = static_cast<int>(std::size(MENU_BUTTONS));

static const char MENU_POINTER_PICTURE[] = "data/grafik/mouse.bmp";
static const char MENU_TITLE_PICTURE[] = "data/grafik/menu_top.jpg";
static const char MENU_HOVER_SOUND[] = "data/sound/stonedown.wav";
constexpr Uint16 MENU_TITLE_X = 10;
constexpr Uint16 MENU_TITLE_Y = 10;
constexpr int MENU_LOADING_X = 250;
constexpr int MENU_LOADING_Y = 200;
constexpr int32_t MENU_HIGHSCORE_KEY = 'h';  // lower case only

// A frame that cannot be shown ends the menu with an error. A closed window ends it after its
// frame with the error result, unlogged here: the outer loop says "Error in Menue".
static const FrameRules MENU_FRAME = {FRAME_PERIOD_MENU_MS,
                                      FRAME_EVENTS_UNTIL_CLOSED,
                                      FRAME_END_AFTER_WAIT,
                                      FRAME_DRAWS_CHANGES,
                                      "Flip Buffers failed!",
                                      FRAME_CLOSED_ENDS,
                                      nullptr,
                                      "Fill Screen failed!",
                                      FRAME_PADS_UNREAD};
// The "Loading..." frame reports any failure in one line of its own.
static const FrameRules LOADING_FRAME = {FRAME_PERIOD_MENU_MS,
                                         FRAME_EVENTS_NONE,
                                         FRAME_END_AT_ONCE,
                                         FRAME_DRAWS_CHANGES,
                                         "Display Load Message failed!",
                                         FRAME_CLOSED_ENDS,
                                         nullptr,
                                         "Display Load Message failed!",
                                         FRAME_PADS_UNREAD};

// The one frame shown while the menu loads its pictures. It takes no events: a key pressed or a
// window closed meanwhile is the menu's.
class LoadingFrame : public Screen {
public:
    void HandleEvent(const SDL_Event&) override {}
    bool Step() override { return true; }
    void AddLook(FrameLook&) const override {}
    bool Draw() override
    {
        gWhiteFont.PutString(MENU_LOADING_X, MENU_LOADING_Y, "Loading...");
        return true;
    }
    bool Done() const override { return true; }
};

// Everything one visit of the menu owns. The members are destroyed in reverse: the buttons from
// last to first, then the title, the input handler and the pointer.
class MainMenu : public Screen {
public:
    bool SetUp();
    void Release();

    void HandleEvent(const SDL_Event& event) override;
    bool Step() override;
    void AddLook(FrameLook& look) const override;
    bool Draw() override;
    bool Done() const override { return finished; }
    // Nothing in the menu moves by itself: the pointer, the buttons and the keys are events.
    Uint32 QuietFor(Uint32) const override { return TICKS_QUIET_FOREVER; }

    int result = MENU_ERROR;

private:
    void Finish(int value);

    Pointer pointer;
    InputHandler input;
    Label title;
    Button buttons[MENU_BUTTON_COUNT];
    int32_t pointerX = 0, pointerY = 0, pointerButtons = 0;
    bool finished = false;
};

bool MainMenu::SetUp()
{
    input.Init();
    if (!pointer.Load(MENU_POINTER_PICTURE))
        return false;
    title.Create(MakeRect(MENU_TITLE_X, MENU_TITLE_Y, 0, 0));
    if (!title.LoadImage(MENU_TITLE_PICTURE))
        return false;
    for (int i = 0; i < MENU_BUTTON_COUNT; ++i) {
        const MenuButtonLayout& layout = MENU_BUTTONS[i];
        Button& button = buttons[i];
        button.Create(MakeRect(layout.x, layout.y, layout.w, layout.h));
        if (!button.LoadNormal(layout.normalPicture) || !button.LoadHover(layout.hoverPicture))
            return false;
        button.SetPointer(&pointerX, &pointerY, &pointerButtons);
        if (!button.LoadHoverSound(MENU_HOVER_SOUND))
            return false;
    }
    return true;
}

// Every step of a frame runs, so a later step may overwrite what an earlier one chose: a pressed
// button beats "h" and a closed window, whose result is the error the menu starts with. Kept on
// purpose: a failing step finishes the menu with the error after the frame is shown, and a button
// that fails says nothing itself; the outer loop logs "Error in Menue".
void MainMenu::Finish(int value)
{
    result = value;
    finished = true;
}

void MainMenu::HandleEvent(const SDL_Event& event)
{
    input.Take(event);
}

// The keys, the pointer and the buttons following it, then the buttons that were pressed.
bool MainMenu::Step()
{
    const int32_t key = input.GetKey();
    pointer.Update();
    pointer.Get(&pointerX, &pointerY, &pointerButtons);
    for (Button& button : buttons)
        if (!button.Update())
            Finish(MENU_ERROR);
    if (key == MENU_HIGHSCORE_KEY)
        Finish(MENU_HIGHSCORE);
    for (int i = 0; i < MENU_BUTTON_COUNT; ++i)
        if (buttons[i].GetState() == BUTTON_PRESSED)
            Finish(MENU_BUTTONS[i].result);
    return true;
}

// What the menu shows besides its fixed pictures: the pointer and the look of every button.
void MainMenu::AddLook(FrameLook& look) const
{
    look.Add(pointerX);
    look.Add(pointerY);
    for (const Button& button : buttons)
        look.Add(button.GetState());
}

// The frame in which the user chooses is still shown, with the pressed button in its hover look.
// A picture that cannot be drawn ends the menu with an error, once this frame is shown too.
bool MainMenu::Draw()
{
    if (!title.Draw())
        Finish(MENU_ERROR);
    for (Button& button : buttons)
        if (!button.Draw())
            Finish(MENU_ERROR);
    if (!pointer.Draw())
        Finish(MENU_ERROR);
    DrawVersion();
    return true;
}

void MainMenu::Release()
{
    title.Reset();
    for (Button& button : buttons)
        button.Reset();
    pointer.Unload();
    input.Release();
}

int RunMainMenu()
{
    MainMenu menu;
    // Kept on purpose: "Menue" as the log has always spelt it; log readers and the window stories
    // wait for "Menue Called!" and "Menue Ready!".
    gEngine.Log(2, "Menue Called!");
    ShowPageControls(PAGE_POINTER);
    LoadingFrame loading;
    if (!RunScreen(loading, LOADING_FRAME) || !menu.SetUp()) {
        menu.Release();
        return MENU_ERROR;
    }
    gEngine.Log(2, "Menue Ready!");
    const int result = RunScreen(menu, MENU_FRAME) ? menu.result : MENU_ERROR;
    gEngine.Log(2, "Reset point reached!");
    menu.Release();
    gEngine.Log(2, "Reset done!");
    return result;
}
