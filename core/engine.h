// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_ENGINE_H
#define KOLVO_CORE_ENGINE_H

#include "core/log_file.h"

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

    // Opens the log, then SDL video alone at width x height pixels, windowed or full-screen.
    // False after one message: on stderr while the log cannot exist yet, in the log afterwards.
    // Refuses to run while an initialised engine exists.
    bool Init(int width, int height, bool fullscreen, const char* logFileName);

    // Writes the message to standard output (indented by level - 1 spaces) and to the log file.
    // Returns false while the log is closed; the console line is written anyway.
    bool Log(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    SDL_Surface* screen;  // the video surface every drawing call targets; none before Init
    Uint8* keys;          // SDL's key state array, indexed by SDL key symbol, non-zero while held
    LogFile log;
};

// Puts what SDL's video reads from the environment there, leaving what the player set: a centred
// window and, with SDL 1.2 over SDL 2, a window shown the plain way. Call it before any thread
// starts: the sound library's audio thread reads the environment, and setenv may free the array
// under a reader. Engine::Init changes nothing in the environment.
void SetVideoEnvironment(bool fullscreen);

// The initialised engine, through which sprites and fonts reach the screen and the log. Set at the
// end of a successful Engine::Init, never cleared.
extern Engine* freeMain;

// The process's one engine. It is defined with the other process-wide objects in app/globals.cpp,
// which fixes their order: constructed first, destroyed last, so the log outlives everything.
extern Engine gEngine;

// The screen every drawing call targets, in pixels.
constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;

// The event record that the game modes, the highscore screen and the info screen poll into.
extern SDL_Event gEvent;

// Tests read the log through a listener that sees every message with its level.
using LogListener = std::function<void(int level, const char* message)>;
void SetLogListener(LogListener listener);

#endif
