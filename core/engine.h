// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_ENGINE_H
#define KOLVO_CORE_ENGINE_H

#include "core/log_file.h"
#include "core/scaled_screen.h"
#include "core/screen_fit.h"
#include "core/system_cursor_edge.h"

#include <SDL/SDL.h>

#include <functional>

// Log levels are nesting depths, not severities: 1 for top-level steps, 2 for their sub-steps and
// most failures, 3 and 4 for the deep steps of the video start.
constexpr int LOG_MESSAGE_SIZE = 1024;  // a longer message is cut to LOG_MESSAGE_SIZE - 1 bytes

// The one engine of the process: starts SDL's video, owns the screen surface and the keyboard
// state, and carries the log. Nothing is usable before Init has succeeded.
class Engine {
public:
    Engine();   // only marks the log closed
    ~Engine();  // logs the shutdown, quits SDL, closes the log with its footer
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Opens the log, then SDL video alone, for a picture of width x height pixels: in a window
    // `scale` times as large, or on a full screen of the desktop's size, scaled by the largest
    // whole factor that fits (scale does not count there). False after one message: on stderr
    // while the log cannot exist yet, in the log afterwards. Refuses to run while an initialised
    // engine exists. Changes nothing in the environment: what the video reads there is set before
    // main, while no other thread can be reading it (engine.cpp).
    bool Init(int width, int height, bool fullscreen, const char* logFileName, int scale = 1);

    // Writes the message to standard output (indented by level - 1 spaces) and to the log file.
    // Returns false while the log is closed; the console line is written anyway.
    bool Log(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    SDL_Surface* screen;  // the picture every drawing call targets; none before Init
    Uint8* keys;          // SDL's key state array, indexed by SDL key symbol, non-zero while held
    LogFile log;
    // Where the picture lies in the window. Unscaled, the screen is SDL's video surface itself,
    // which the screen loop presents as it is; scaled, the screen is `scaled`'s picture, which
    // shows it.
    ScreenFit fit;
    ScaledScreen scaled;
    SystemCursor cursor;  // what hides the system's cursor: never SDL_ShowCursor(0), see there

private:
    bool OpenScreen(int width, int height, bool fullscreen, int scale);
};

// The initialised engine, through which sprites and fonts reach the screen and the log. Set at the
// end of a successful Engine::Init, never cleared.
extern Engine* freeMain;

// The process's one engine. It is defined with the other process-wide objects in app/globals.cpp,
// which fixes their order: constructed first, destroyed last, so the log outlives everything.
extern Engine gEngine;

// The screen every drawing call targets, in pixels.
constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;

// The one way a step fails, in the style of SDL_SetError: logs the message, a printf format with its
// arguments, at level 2 and returns false, so that a step ends in return Fail("Draw Tumblo failed!")
// or return Fail("Couldn't load %s: %s", path, SDL_GetError()). A text that is not a literal is
// passed as Fail("%s", text), so that a '%' in it is logged as it is.
bool Fail(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Tests read the log through a listener that sees every message with its level.
using LogListener = std::function<void(int level, const char* message)>;
void SetLogListener(LogListener listener);

#endif
