// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine.h"

#include "core/engine_edge.h"
#include "core/ticks.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

constexpr int ENGINE_VIDEO_TRIES = 10;
constexpr Uint32 ENGINE_VIDEO_RETRY_MS = 50;

Engine* freeMain = nullptr;

static LogListener logListener;

void SetLogListener(LogListener listener)
{
    logListener = std::move(listener);
}

Engine::Engine() : screen(nullptr), keys(nullptr), fit(FitDirect(SCREEN_WIDTH, SCREEN_HEIGHT)) {}

Engine::~Engine()
{
    Log(1, "Shutting down Engine");
    Log(2, "Quit SDL");
    scaled.Close();
    cursor.Close();
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

bool Fail(const char* format, ...)
{
    char message[LOG_MESSAGE_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof message, format, args);
    va_end(args);
    gEngine.Log(2, "%s", message);
    return false;
}

// What SDL reads from the environment is set before anything else of the program runs,
// and never again: the music stream starts the sound library before main, and with it SDL's audio
// thread, which reads the environment as it starts, and a setenv meanwhile may free the array that
// thread walks (a rare crash at start on sdl12-compat). A constructor with a priority runs ahead of
// every object without one. A player's own choice of any of these still wins.
__attribute__((constructor(101))) static void SetSdlEnvironment()
{
    // The classic SDL 1.2 puts a window at the top-left corner of the screen, SDL 1.2 on SDL 2
    // centres it. Centre it on both, as desktops place a new window; a position the player asks
    // for in SDL_VIDEO_WINDOW_POS still wins.
    setenv("SDL_VIDEO_CENTERED", "1", 0);
    // SDL 1.2 over SDL 2 shows each frame through SDL 2's renderer, by default with OpenGL. Where
    // there is no graphics card that means a software OpenGL: a hundred megabytes, and a tenth of
    // a core for the menu alone. The game scales its picture itself, in a window and in full
    // screen alike, and the video mode is always the size shown, so SDL 2 has nothing left to
    // scale: every frame is shown the plain way, as the classic library shows it.
    setenv("SDL_RENDER_DRIVER", "software", 0);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    // SDL 1.2 over SDL 2 hands every gamepad it knows over in one layout when asked (see
    // gamepads.h); the classic library does not know the setting.
    setenv("SDL12COMPAT_USE_GAME_CONTROLLERS", "1", 0);
    // SDL 2's loader plays what is left of a cut WAV file, the classic SDL 1.2 refuses it. Refuse it
    // on both, so a damaged effect is reported the same way everywhere.
    setenv("SDL_WAVE_TRUNCATION", "strict", 0);
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

// A window that was covered and is uncovered again is repainted by the classic SDL 1.2 from its
// own copy of the window; SDL 1.2 over SDL 2 leaves that to the program and tells it with an
// expose event. The scaled screen shows only what changed, so the next present shows all again.
static void ShowAll()
{
    gEngine.scaled.Invalidate();
}

// Sets the video mode that shows the picture as asked and points `screen` at what the game draws
// into. The picture is drawn straight into the video surface when the mode is the picture's size;
// otherwise into a picture of its own that the screen loop scales to the video surface.
bool Engine::OpenScreen(int width, int height, bool fullscreen, int scale)
{
    // Before the first video mode, SDL reports the desktop's own size here. Full screen takes that
    // size on both libraries, so the classic one switches no mode either.
    // SDL 1.2 over SDL 2 starts SDL 2's video only with the first video mode: where that cannot
    // start, there is no desktop to ask, and the mode fails below as it does for a window.
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    fit = fullscreen && desktop ? FitDesktop(width, height, desktop->current_w, desktop->current_h)
                                : FitWindow(width, height, scale);
    // Only what a scaled present changed is shown, so the video surface must keep what was shown
    // before: a surface in memory rather than flipped pages.
    Uint32 flags = fit.Direct() ? SDL_DOUBLEBUF : SDL_SWSURFACE;
    if (fullscreen)
        flags |= SDL_FULLSCREEN;
    SDL_Surface* display = SDL_SetVideoMode(fit.displayW, fit.displayH, 0, flags);
    if (!display) {
        // Kept on purpose: the line ends in a line break of its own, as log readers know it.
        Log(4, "Couldn't set %dx%dx[optimal] video mode: %s\n", fit.displayW, fit.displayH,
            SDL_GetError());
        return false;
    }
    if (fit.Direct()) {
        screen = display;
        return true;
    }
    if (!scaled.Open(display, fit)) {
        Log(4, "Couldn't make the %dx%d picture: %s", width, height, SDL_GetError());
        return false;
    }
    screen = scaled.Picture();
    WatchExposure(ShowAll);
    Log(4, "scaled %ix, at %i,%i of %ix%i", fit.factor, fit.x, fit.y, fit.displayW, fit.displayH);
    return true;
}

bool Engine::Init(int width, int height, bool fullscreen, const char* logFileName, int scale)
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
    // Kept on purpose: these failure lines end in a line break of their own, as they always have
    // (the picture and font loaders' too); log readers know them so.
    if (!StartVideo()) {
        Log(3, "Couldn't initialize SDL: %s\n", SDL_GetError());
        return false;
    }
    Log(3, "set video mode %ix%i @ [optimal] bpp, fullscreen: %i", width, height,
        fullscreen ? 1 : 0);
    if (!OpenScreen(width, height, fullscreen, scale))
        return false;
    Log(4, "running @ %d bpp", SDL_GetVideoInfo()->vfmt->BitsPerPixel);
    Log(2, "Retrieving Keystate Array");
    keys = HeldKeys();
    Log(2, "DONE - init SDL");
    Log(1, "DONE - Initialising Engine");
    freeMain = this;
    return true;
}
