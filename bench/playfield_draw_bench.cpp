// One frame of a single-player playfield: all 231 cells and the side panel, on a 640 x 480 32-bit
// software screen of SDL's dummy video driver. Uses the game's own pictures, script and font when
// the generated data exists, otherwise one-colour stand-ins of the same sizes.
#include "app/globals.h"
#include "game/graphics_script.h"
#include "game/sidebar.h"
#include "game/tumblo_engine.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

static const std::string SCRIPT = "data/grafik/graphic.txt";
static const std::string FONT = "data/grafik/font.bmp";

static bool Exists(const std::string& path)
{
    return access(path.c_str(), R_OK) == 0;
}

static SDL_Surface* NewPicture(int w, int h, Uint32 colour)
{
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    SDL_FillRect(picture, nullptr, colour);
    return picture;
}

// A cell picture per slot and the script naming them.
static std::string WriteStandInScript()
{
    const char* names[] = {"bench_empty.bmp", "bench_a.bmp", "bench_b.bmp"};
    const Uint32 colours[] = {0x202020, 0xC04040, 0x4040C0};
    std::string script = GRAPHICS_SCRIPT_HEADER;
    for (int slot = GRAPHIC_EMPTY; slot <= 1; ++slot) {
        SDL_Surface* picture = NewPicture(CELL_SIZE, CELL_SIZE, colours[slot + 1]);
        SDL_SaveBMP(picture, names[slot + 1]);
        SDL_FreeSurface(picture);
        script += std::string(GRAPHICS_SCRIPT_SET_GRAPHIC) + " " + std::to_string(slot) + " " + names[slot + 1] + "\n";
    }
    FILE* file = fopen("bench_graphic.txt", "w");
    fputs(script.c_str(), file);
    fclose(file);
    return "bench_graphic.txt";
}

// 7-pixel glyphs for every character from "!" to "z", between single magenta marker pixels.
static std::string WriteStandInFont()
{
    const int glyphs = 'z' - '!' + 1, step = 8, height = 16;
    SDL_Surface* picture = NewPicture(glyphs * step + 1, height, 0xFFFFFF);
    for (int k = 0; k <= glyphs; ++k) {
        SDL_Rect marker = {Sint16(k * step), 0, 1, 1};
        SDL_FillRect(picture, &marker, 0xFF00FF);
    }
    SDL_Rect background = {0, Sint16(height - 1), Uint16(picture->w), 1};
    SDL_FillRect(picture, &background, 0);
    SDL_SaveBMP(picture, "bench_font.bmp");
    SDL_FreeSurface(picture);
    return "bench_font.bmp";
}

// The engine started as the tests start it: in a fresh directory that links the game data.
static bool StartEngineOnce()
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    char directory[] = "/tmp/kolvo-bench-XXXXXX";
    if (!mkdtemp(directory) || chdir(directory) != 0 || symlink(KOLVO_DATA_DIR, "data") != 0)
        return false;
    if (!gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, false, "kolvolog.txt"))
        return false;
    gEngine.screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, 32, SDL_SWSURFACE);
    return gEngine.screen != nullptr;
}

// The benchmark body runs several times; the engine starts only once per process.
static bool StartEngine()
{
    static const bool started = StartEngineOnce();
    return started;
}

static void BM_PlayfieldFrame(benchmark::State& state)
{
    TumbloEngine engine;
    const bool gameData = Exists(SCRIPT) && Exists(FONT);
    if (!StartEngine() || !engine.Init(400) ||
        !LoadGraphicsScriptFile((gameData ? SCRIPT : WriteStandInScript()).c_str(), &engine) ||
        !gWhiteFont.LoadFont((gameData ? FONT : WriteStandInFont()).c_str())) {
        state.SkipWithError("set-up failed");
        return;
    }
    // The lower half settled in both pictures, the upper half empty, as in a game under way.
    for (int column = 0; column < FIELD_COLUMNS; ++column)
        for (int row = FIELD_ROWS / 2; row < FIELD_ROWS; ++row)
            engine.PlaceBlock(column, row, Uint8((column + row) % 2));
    state.SetLabel(gameData ? "game data" : "stand-in pictures");
    for (auto _ : state) {
        bool drawn = engine.Draw(200, 10) && DrawSidebar(20, 100, 12, &engine, &gWhiteFont);
        benchmark::DoNotOptimize(drawn);
    }
    UnloadGraphics(&engine);
}
BENCHMARK(BM_PlayfieldFrame)->Unit(benchmark::kMicrosecond);
