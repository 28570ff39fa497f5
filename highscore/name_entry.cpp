// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/name_entry.h"

#include "core/engine.h"
#include "core/frame_pacer.h"
#include "core/page_edge.h"
#include "core/screen.h"
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

// The cursor blinks by the clock while the field draws it, so every frame is drawn. A closed
// window fails the entry. Kept on purpose: "windoe", as log readers know the line.
static const FrameRules NAME_ENTRY_FRAME = {
    FRAME_PERIOD_MS,       FRAME_EVENTS_UNTIL_CLOSED, FRAME_END_AT_ONCE,    FRAME_DRAWS_ALWAYS,
    "Flip screen failed!", FRAME_CLOSED_FAILS,        "User closed windoe!"};

// One typed key reaches the field per frame; keys typed faster wait for the next frames, so none
// is lost. The frame that confirms the name is still drawn in full, without the cursor.
class NameEntry : public Screen {
public:
    explicit NameEntry(const char* prompt) : prompt(prompt) {}

    void HandleEvent(const SDL_Event& event) override;
    bool Step() override;
    void AddLook(FrameLook&) const override {}
    bool Draw() override;
    bool Done() const override { return confirmed; }

    InputHandler input;
    InputField field;
    Sint32 keyCode = 0;  // the field's key source
    bool confirmed = false;

private:
    const char* prompt;
};

void NameEntry::HandleEvent(const SDL_Event& event)
{
    input.Take(event);
}

bool NameEntry::Step()
{
    keyCode = input.TakeTypedKey();
    if (!field.Run())
        return Fail("Run input failed!");
    if (keyCode != 0) {
        char text[NAME_ENTRY_MAX_LENGTH + 1];
        field.GetText(text, sizeof text);
        ShowPageText(text);
    }
    if (field.GetState() == INPUT_CONFIRMED)
        confirmed = true;
    return true;
}

bool NameEntry::Draw()
{
    if (!field.Draw())
        return Fail("Draw input failed!");
    gWhiteFont.PutStringF(NAME_ENTRY_PROMPT_X, NAME_ENTRY_PROMPT_Y, "%s", prompt);
    DrawVersion();
    return true;
}

bool GetName(const char* prompt, char* name, size_t capacity)
{
    NameEntry entry(prompt ? prompt : "");
    entry.input.Init();
    if (!entry.field.Init(NAME_ENTRY_FIELD, NAME_ENTRY_MAX_LENGTH, NAME_ENTRY_CURSOR,
                          NAME_ENTRY_FONT)) {
        entry.input.Release();
        return Fail("Init Input failed!");
    }
    entry.field.SetKeySource(&entry.keyCode);
    ShowPageControls(PAGE_NAME);
    RunScreen(entry, NAME_ENTRY_FRAME);
    entry.input.Release();
    entry.field.GetText(name, capacity);
    entry.field.Reset();
    return entry.confirmed;
}
