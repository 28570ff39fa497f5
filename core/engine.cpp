// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine.h"

#include "core/ticks.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

constexpr int ENGINE_VIDEO_TRIES = 10;
constexpr Uint32 ENGINE_VIDEO_RETRY_MS = 50;

Engine* freeMain = nullptr;
SDL_Event gEvent;

static LogListener logListener;

void SetLogListener(LogListener listener)
{
    logListener = std::move(listener);
}

Engine::Engine() : screen(nullptr), keys(nullptr) {}

Engine::~Engine()
{
    Log(1, "Shutting down Engine");
    Log(2, "Quit SDL");
    SDL_Quit();
    Log(2, "DONE - Quit SDL");
    log.Close();
}

bool Engine::Log(int level, const char* format, ...)
{
    char message[LOG_MESSAGE_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof message, format, args);
    va_end(args);

    for (int i = 1; i < level; ++i)
        fputc(' ', stdout);
    fputs(message, stdout);
    fputc('\n', stdout);
    if (logListener)
        logListener(level, message);
    return log.Write(static_cast<uint16_t>(level), message);
}

void SetVideoEnvironment(bool fullscreen)
{
    // The classic SDL 1.2 puts a window at the top-left corner of the screen, SDL 1.2 on SDL 2
    // centres it. Centre it on both, as desktops place a new window; a position the player asks
    // for in SDL_VIDEO_WINDOW_POS still wins.
    setenv("SDL_VIDEO_CENTERED", "1", 0);
    // SDL 1.2 over SDL 2 shows each frame through SDL 2's renderer, by default with OpenGL. Where
    // there is no graphics card that means a software OpenGL: a hundred megabytes, and a tenth of
    // a core for the menu alone. A window needs no scaling, so it is shown the plain way, as the
    // classic library shows it; full screen keeps OpenGL, which scales the picture to the desktop
    // on the graphics card. A player's own choice of these still wins.
    if (!fullscreen) {
        setenv("SDL_RENDER_DRIVER", "software", 0);
        setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    }
}

// xvfb-run's X server starts afresh whenever its last client leaves, and the classic SDL 1.2 opens
// and closes a connection to try the display before it opens its own, which can then come while
// the server restarts. Trying again a moment later finds the server back.
static bool StartVideo()
{
    for (int tries = 1; SDL_Init(SDL_INIT_VIDEO) < 0; ++tries) {
        if (tries == ENGINE_VIDEO_TRIES)
            return false;
        Delay(ENGINE_VIDEO_RETRY_MS);
    }
    return true;
}

bool Engine::Init(int width, int height, bool fullscreen, const char* logFileName)
{
    if (freeMain) {
        fputs("there's already a freeMain object!", stderr);
        return false;
    }
    if (!log.Open(logFileName)) {
        fprintf(stderr, "Couldn't create logfile %s", logFileName);
        return false;
    }
    Log(1, "Initialising Engine");
    Log(2, "init SDL");
    if (!StartVideo()) {
        Log(3, "Couldn't initialize SDL: %s\n", SDL_GetError());
        return false;
    }
    Log(3, "set video mode %ix%i @ [optimal] bpp, fullscreen: %i", width, height,
        fullscreen ? 1 : 0);
    Uint32 flags = fullscreen ? SDL_DOUBLEBUF | SDL_FULLSCREEN : SDL_DOUBLEBUF;
    screen = SDL_SetVideoMode(width, height, 0, flags);
    if (!screen) {
        Log(4, "Couldn't set %dx%dx[optimal] video mode: %s\n", width, height, SDL_GetError());
        return false;
    }
    Log(4, "running @ %d bpp", SDL_GetVideoInfo()->vfmt->BitsPerPixel);
    Log(2, "Retrieving Keystate Array");
    keys = SDL_GetKeyState(nullptr);
    Log(2, "DONE - init SDL");
    Log(1, "DONE - Initialising Engine");
    freeMain = this;
    return true;
}
