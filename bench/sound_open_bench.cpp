// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// How long opening the background music takes: it happens at start-up, before the menu shows,
// so it must stay far below 10 ms however long the tune is.
#include "media/sound_stream.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

constexpr int BENCH_TUNE_SECONDS = 45;

// The game's music when the data is built, else a tune of the same length made here with lame.
static std::string MusicPath()
{
    std::string music = std::string(KOLVO_DATA_DIR) + "/sound/background.mp3";
    if (access(music.c_str(), R_OK) == 0)
        return music;
    const char* raw = "/tmp/kolvo_bench_music.raw";
    FILE* out = fopen(raw, "wb");
    if (!out)
        return std::string();
    for (int frame = 0; frame < BENCH_TUNE_SECONDS * 44100; ++frame) {
        int16_t sample = static_cast<int16_t>(8000 * std::sin(frame * 2 * M_PI * 440 / 44100));
        int16_t both[2] = {sample, sample};
        fwrite(both, sizeof both, 1, out);
    }
    fclose(out);
    std::string made = "/tmp/kolvo_bench_music.mp3";
    std::string command =
        std::string("lame --quiet -r -s 44.1 --bitwidth 16 --signed --little-endian -b 128 ") +
        raw + " " + made;
    return std::system(command.c_str()) == 0 ? made : std::string();
}

static void BM_OpenBackgroundMusic(benchmark::State& state)
{
    // Without a sound device the first stream found none; a silent driver gives the library one.
    // The benchmark runs this function several times; the library must outlive each run, as the
    // game's music stream keeps it alive, since it is not started again once shut down.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static SoundStream keepsTheLibraryStarted;
    SoundStream music;
    std::string path = MusicPath();
    if (!SoundStream::Available() || path.empty()) {
        state.SkipWithError("no sound library or no music to open");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(music.Open(path.c_str()));
}
BENCHMARK(BM_OpenBackgroundMusic)->Unit(benchmark::kMillisecond);
