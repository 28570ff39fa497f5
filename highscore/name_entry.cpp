// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/name_entry.h"

#include "core/engine.h"
#include "core/frame.h"
#include "core/frame_pacer.h"
#include "highscore/highscore_list.h"
#include "highscore/input_field.h"
#include "media/text_engine.h"
#include "ui/input_handler.h"
#include "ui/version.h"

static_assert(NAME_ENTRY_MAX_LENGTH == HIGHSCORE_NAME_MAX, "a typed name is stored whole");

static const SDL_Rect NAME_ENTRY_FIELD = {120, 180, 200, 50};
static const char NAME_ENTRY_CURSOR[] = "data/grafik/cursor.bmp";
static const char NAME_ENTRY_FONT[] = "data/grafik/font.bmp";
constexpr int NAME_ENTRY_PROMPT_X = 100;
constexpr int NAME_ENTRY_PROMPT_Y = 100;

// Logs the message of a failed step; the false is the step's result.
static bool Fail(const char* message)
{
    gEngine.Log(2, "%s", message);
    return false;
}

// One frame: one typed key reaches the field; keys typed faster wait for the next frames, so none
// is lost. False when a step failed or the window was closed. The frame that confirms the name is
// still drawn in full, without the cursor.
static bool RunFrame(InputHandler* input, InputField* field, Sint32* keyCode, const char* prompt,
                     bool* confirmed)
{
    if (ClearScreen(gEngine.screen) != 0)
        return Fail("Fill Screen failed!");
    if (!input->Poll())
        return Fail("User closed windoe!");
    *keyCode = input->TakeTypedKey();
    if (!field->Run())
        return Fail("Run input failed!");
    if (field->GetState() == INPUT_CONFIRMED)
        *confirmed = true;
    if (!field->Draw())
        return Fail("Draw input failed!");
    if (!gWhiteFont.PutStringF(NAME_ENTRY_PROMPT_X, NAME_ENTRY_PROMPT_Y, "%s", prompt))
        return Fail("Draw Message failed!");
    if (!DrawVersion())
        return Fail("Draw Version failed!");
    if (FlipScreen(gEngine.screen) != 0)
        return Fail("Flip screen failed!");
    return true;
}

bool GetName(const char* prompt, char* name, size_t capacity)
{
    InputHandler input;
    input.Init();
    InputField field;
    if (!field.Init(NAME_ENTRY_FIELD, NAME_ENTRY_MAX_LENGTH, NAME_ENTRY_CURSOR, NAME_ENTRY_FONT)) {
        input.Release();
        return Fail("Init Input failed!");
    }
    Sint32 keyCode = 0;
    field.SetKeySource(&keyCode);
    bool confirmed = false;
    FramePacer pacer;
    while (RunFrame(&input, &field, &keyCode, prompt ? prompt : "", &confirmed) && !confirmed)
        pacer.Wait();
    input.Release();
    field.GetText(name, capacity);
    field.Reset();
    return confirmed;
}
