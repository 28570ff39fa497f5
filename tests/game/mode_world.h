// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_GAME_MODE_WORLD_H
#define KOLVO_TESTS_GAME_MODE_WORLD_H

#include "game/mode_frame.h"
#include "game/tumblo_engine.h"
#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"

#include <functional>
#include <string>
#include <vector>

// A game mode run in this process on fake time: the log, its playfields (right is null in the
// single game, arrange sees them before the first frame) and the end sounds it starts.
struct ModeWorld {
    using Arrange = std::function<void(TumbloEngine* left, TumbloEngine* right)>;
    explicit ModeWorld(Arrange arrange = nullptr)
    {
        StartHeadlessGame();
        DrainEvents();
        ReleaseAllKeys();
        SetModeObserver({[this, arrange](TumbloEngine* l, TumbloEngine* r) {
                             left = l, right = r;
                             if (arrange)
                                 arrange(l, r);
                         },
                         [this](const char* file) { endSounds.push_back(file); }});
    }
    ~ModeWorld() { SetModeObserver({}), ReleaseAllKeys(), DrainEvents(); }

    FakeClock clock;
    LogSink log;
    TumbloEngine* left = nullptr;
    TumbloEngine* right = nullptr;
    std::vector<std::string> endSounds;
};

// Settles blocks into the columns from first up to end of the bottom rows.
inline void FillBottom(TumbloEngine* field, int rows, int first = 0, int end = FIELD_COLUMNS)
{
    for (int row = FIELD_ROWS - rows; row < FIELD_ROWS; ++row)
        for (int column = first; column < end; ++column)
            field->PlaceBlock(column, row, 0);
}

// Whether the w x 20 pixels at (x, y) look as draw makes them on black (on a scratch screen).
inline bool Shows(int x, int y, int w, const std::function<void()>& draw)
{
    SDL_Surface* screen = gEngine.screen;
    const std::vector<Uint32> shown = CaptureScreen(x, y, w, 20);
    gEngine.screen = SDL_ConvertSurface(screen, screen->format, SDL_SWSURFACE);
    SDL_FillRect(gEngine.screen, nullptr, 0);
    draw();
    const bool same = CaptureScreen(x, y, w, 20) == shown;
    SDL_FreeSurface(gEngine.screen);
    gEngine.screen = screen;
    return same;
}

// An orange text at (textX, 200) over the playfield drawn at (fieldX, 10); "" for none.
inline bool FieldShows(TumbloEngine* field, int fieldX, int textX, const char* text)
{
    return Shows(textX, 200, 150, [&] {
        field->Draw(fieldX, 10);
        gOrangeFont.PutString(textX, 200, text);
    });
}

// A white text in the 80 pixels from (x, 10), where the clock stands.
inline bool ClockShows(int x, const char* text)
{
    return Shows(x, 10, 80, [&] { gWhiteFont.PutString(x, 10, text); });
}

#endif
