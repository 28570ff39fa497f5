// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/main_menu.h"

#include "core/engine.h"
#include "core/frame.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/ticks.h"
#include "media/text_engine.h"
#include "ui/button.h"
#include "ui/input_handler.h"
#include "ui/label.h"
#include "ui/pointer.h"
#include "ui/version.h"

#include <cstdint>

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
constexpr int MENU_BUTTON_COUNT = 5;
static_assert(sizeof MENU_BUTTONS / sizeof MENU_BUTTONS[0] == MENU_BUTTON_COUNT,
              "one layout row per menu button");

static const char MENU_POINTER_PICTURE[] = "data/grafik/mouse.bmp";
static const char MENU_TITLE_PICTURE[] = "data/grafik/menu_top.jpg";
static const char MENU_HOVER_SOUND[] = "data/sound/stonedown.wav";
constexpr Uint16 MENU_TITLE_X = 10;
constexpr Uint16 MENU_TITLE_Y = 10;
constexpr int MENU_LOADING_X = 250;
constexpr int MENU_LOADING_Y = 200;
constexpr int32_t MENU_HIGHSCORE_KEY = 'h';  // lower case only

// The menu's result so far. Every step of a frame runs, so a later step may overwrite what an
// earlier one chose: a pressed button beats "h" and a quit.
struct MenuOutcome {
    int result = MENU_ERROR;
    bool finished = false;
    void Finish(int value)
    {
        result = value;
        finished = true;
    }
};

// Everything one visit of the menu owns. The members are destroyed in reverse: the buttons from
// last to first, then the title, the input handler and the pointer.
class MainMenu {
public:
    bool SetUp();
    int Run();
    void Release();

private:
    void ReadInput(MenuOutcome& outcome);
    void CheckButtons(MenuOutcome& outcome);
    bool KeepsFrame();
    void Draw(MenuOutcome& outcome);

    Pointer pointer;
    InputHandler input;
    Label title;
    Button buttons[MENU_BUTTON_COUNT];
    int32_t pointerX = 0, pointerY = 0, pointerButtons = 0;
    FrameLook look;
};

static bool ShowLoadingMessage()
{
    if (ClearScreen(gEngine.screen) != 0)
        return false;
    if (!gWhiteFont.PutString(MENU_LOADING_X, MENU_LOADING_Y, "Loading..."))
        return false;
    return FlipScreen(gEngine.screen) == 0;
}

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

// Steps 2 to 6 of a frame: events, keys, pointer and the buttons following it.
void MainMenu::ReadInput(MenuOutcome& outcome)
{
    if (!input.Poll())
        outcome.Finish(MENU_ERROR);  // the window is being closed
    int32_t key = 0;
    input.GetKey(&key);
    if (!pointer.Update())
        outcome.Finish(MENU_ERROR);
    pointer.Get(&pointerX, &pointerY, &pointerButtons);
    for (Button& button : buttons)
        if (!button.Update())
            outcome.Finish(MENU_ERROR);
    if (key == MENU_HIGHSCORE_KEY)
        outcome.Finish(MENU_HIGHSCORE);
}

void MainMenu::CheckButtons(MenuOutcome& outcome)
{
    for (int i = 0; i < MENU_BUTTON_COUNT; ++i)
        if (buttons[i].GetState() == BUTTON_PRESSED)
            outcome.Finish(MENU_BUTTONS[i].result);
}

// The pointer is drawn last, on top of everything.
void MainMenu::Draw(MenuOutcome& outcome)
{
    if (!title.Draw())
        outcome.Finish(MENU_ERROR);
    for (Button& button : buttons)
        if (!button.Draw())
            outcome.Finish(MENU_ERROR);
    if (!pointer.Draw())
        outcome.Finish(MENU_ERROR);
    if (!DrawVersion()) {
        gEngine.Log(2, "Draw Version failed!");
        outcome.Finish(MENU_ERROR);
    }
}

// What the menu shows besides its fixed pictures: the pointer and the look of every button. True
// when that is as shown and the frame was kept.
bool MainMenu::KeepsFrame()
{
    look.Add(pointerX);
    look.Add(pointerY);
    for (const Button& button : buttons)
        look.Add(button.GetState());
    return look.Keeps(Ticks());
}

// The frame in which the user chooses is still shown, with the pressed button in its hover look.
// A frame that would look as the one shown is kept.
int MainMenu::Run()
{
    MenuOutcome outcome;
    FramePacer pacer(FRAME_PERIOD_MENU_MS);
    while (!outcome.finished) {
        ReadInput(outcome);
        CheckButtons(outcome);
        if (!KeepsFrame()) {
            if (ClearScreen(gEngine.screen) != 0) {
                gEngine.Log(2, "Fill Screen failed!");
                outcome.Finish(MENU_ERROR);
            }
            Draw(outcome);
            if (FlipScreen(gEngine.screen) != 0) {
                gEngine.Log(2, "Flip Buffers failed!");
                return MENU_ERROR;
            }
        }
        pacer.Wait();
    }
    return outcome.result;
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
    gEngine.Log(2, "Menue Called!");
    if (!ShowLoadingMessage()) {
        gEngine.Log(2, "Display Load Message failed!");
        menu.Release();
        return MENU_ERROR;
    }
    if (!menu.SetUp()) {
        menu.Release();
        return MENU_ERROR;
    }
    gEngine.Log(2, "Menue Ready!");
    int result = menu.Run();
    gEngine.Log(2, "Reset point reached!");
    menu.Release();
    gEngine.Log(2, "Reset done!");
    return result;
}
