// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Feeds the graphics script reader arbitrary text, as a damaged "graphic.txt" would be; a
// playfield borrows whatever pictures it loaded for one drawing. The scripts may name the few
// pictures that lie in the otherwise empty fuzz directory, one of them not a picture at all.
#include "core/engine.h"
#include "game/graphics_script.h"
#include "game/tumblo_engine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

static const char FUZZ_SCRIPT[] = "graphic.txt";

static void WritePicture(const char* name, Uint32 colour)
{
    SDL_Surface* picture =
        SDL_CreateRGBSurface(SDL_SWSURFACE, CELL_SIZE, CELL_SIZE, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    if (!picture || SDL_FillRect(picture, nullptr, colour) != 0 || SDL_SaveBMP(picture, name) != 0)
        abort();
    SDL_FreeSurface(picture);
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    char directory[] = "/tmp/kolvo-fuzz-XXXXXX";
    // Millions of runs would fill a log file with sprite lines; the reader's own failure report,
    // the header it prints, goes to standard output, which libFuzzer does not need either.
    if (!mkdtemp(directory) || chdir(directory) != 0 || !freopen("/dev/null", "w", stdout) ||
        !gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, false, "/dev/null"))
        abort();
    gEngine.screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, 32, SDL_SWSURFACE);
    if (!gEngine.screen)
        abort();
    WritePicture("a.bmp", 0x202020);
    WritePicture("b.bmp", 0xFF00FF);
    WritePicture("c.bmp", 0x4040C0);
    FILE* notAPicture = fopen("bad.bmp", "w");
    if (!notAPicture || fputs("BM not really", notAPicture) < 0 || fclose(notAPicture) != 0)
        abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Only names inside the fuzz directory: a path elsewhere could be a device that never ends.
    if (memchr(data, '/', size))
        return 0;
    FILE* script = fopen(FUZZ_SCRIPT, "wb");
    if (!script || fwrite(data, 1, size, script) != size || fclose(script) != 0)
        abort();
    PlayfieldPictures pictures;
    TumbloEngine engine;
    if (!engine.Init(400))
        abort();
    LoadGraphicsScriptFile(FUZZ_SCRIPT, pictures);
    pictures.LendTo(engine);
    engine.Draw(200, 10);  // whatever slots the script filled, the rest empty
    pictures.Unload();
    for (int slot = GRAPHIC_EMPTY; slot <= 1; ++slot)
        if (pictures.Get(slot))
            abort();
    return 0;
}
