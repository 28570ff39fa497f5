// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// The sound layer on a machine without a sound device, then heard through SDL's disk driver.
#include "media/sound_stream.h"

#include "media/sound_library.h"
#include "tests/support/headless.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <thread>

constexpr int OUTPUT_RATE = 44100;

// A 16-bit WAV in the working directory: a sine of hz at amplitude level (the constant level when
// hz is 0) on every side.
static std::string WriteWav(const std::string& name, int rate, int sides, double seconds, int hz,
                            int level)
{
    std::ofstream out(name, std::ios::binary);
    const auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(char(value >> (8 * i)));
    };
    const uint32_t frames = uint32_t(rate * seconds), bytes = frames * sides * 2;
    out << "RIFF";
    put(36 + bytes, 4);
    out << "WAVEfmt ";
    const int format[][2] = {{16, 4},        {1, 2}, {sides, 2}, {rate, 4}, {rate * sides * 2, 4},
                             {sides * 2, 2}, {16, 2}};
    for (const auto& field : format)  // plain PCM, 16 bits
        put(field[0], field[1]);
    out << "data";
    put(bytes, 4);
    for (uint32_t f = 0; f < frames * sides; ++f)
        put(uint16_t(hz ? std::lround(level * std::sin(2 * M_PI * hz * (f / sides) / rate))
                        : level),
            2);
    EXPECT_TRUE(out.good()) << name;
    return name;
}

// The mix as SDL's disk driver writes it to SDL_DISKAUDIOFILE, from the moment this is built.
class DiskOutput {
public:
    DiskOutput() : mark(Size() / 4 * 4) {}
    // Waits for the next frames and returns them, both sides interleaved.
    std::vector<int16_t> Next(int frames)
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Size() < mark + 4LL * frames && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        std::vector<int16_t> samples(2 * size_t(frames));
        std::ifstream in(std::getenv("SDL_DISKAUDIOFILE"), std::ios::binary);
        in.seekg(mark);
        in.read(reinterpret_cast<char*>(samples.data()), 4LL * frames);
        EXPECT_EQ(in.gcount(), 4LL * frames) << "the disk driver stopped writing";
        mark += in.gcount();
        return samples;
    }
    void Settle() { Next(4096); }  // lets the buffers mixed before a change pass by

private:
    static long long Size()
    {
        struct stat about;
        return stat(std::getenv("SDL_DISKAUDIOFILE"), &about) == 0 ? about.st_size : 0;
    }
    long long mark;
};

// The first and last frame louder than threshold on the left side (-1 when none is), and the
// longest quiet run between them.
struct LoudSpan {
    long first = -1, last = -1, longestQuiet = 0;
};
inline LoudSpan FindLoudSpan(const std::vector<int16_t>& samples, int threshold)
{
    LoudSpan span;
    for (long f = 0; f < long(samples.size() / 2); ++f) {
        if (std::abs(samples[2 * f]) <= threshold)
            continue;
        if (span.first >= 0)
            span.longestQuiet = std::max(span.longestQuiet, f - span.last - 1);
        span.first = span.first < 0 ? f : span.first;
        span.last = f;
    }
    return span;
}

// The machine starts without sound (CTest asks SDL for a driver that does not exist); then a
// device turns up, first with a library too old for the game, then with a good one. Through it,
// two loud effects together are held at the top, never wrapped around into noise. Then half a
// second of 440 Hz in mono, as MP3: whole cycles, so a gapless loop is one unbroken tone. Played
// once at the mix rate on both sides, then looped without a seam until stopped.
TEST(Sound, GoesOnInSilenceUntilADeviceAndAGoodLibraryTurnUpThenSaturatesAndLoopsWithoutASeam)
{
    const std::string GIVE_UP = "Game will continue without playing Sounds!\n";
    StartHeadlessEngine();
    const std::string wav = "data/sound/stonedown.wav";  // one of the game's own
    ASSERT_FALSE(SoundStream::Available()) << "the music stream found no device before main";
    ::testing::internal::CaptureStdout();
    SoundStream effect;
    EXPECT_TRUE(OpenEffect(effect, wav.c_str()));
    EXPECT_TRUE(OpenEffect(effect, "missing.wav")) << "without sound, no file is an error";
    EXPECT_FALSE(effect.Play(false));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Could not init FMod: Error initializing output device.\n" + GIVE_UP);

    setenv("SDL_AUDIODRIVER", "disk", 1);
    SetSoundLibraryVersion(3.69f);
    ::testing::internal::CaptureStdout();
    SoundStream tooOld(wav.c_str());
    EXPECT_EQ(
        ::testing::internal::GetCapturedStdout(),
        "Error : You are using the wrong DLL version!  You should be using FMOD 3.70\n" + GIVE_UP);
    EXPECT_FALSE(SoundStream::Available());
    EXPECT_FALSE(tooOld.Play(false)) << "no stream opens with a library that old";
    EXPECT_EQ(SoundLibraryOpenStreams(), 0);

    SetSoundLibraryVersion(FSOUND_VERSION);
    SoundStream good(wav.c_str());
    ASSERT_TRUE(SoundStream::Available());
    EXPECT_TRUE(good.Play(false));
    good.Stop();
    {
        const std::string level = WriteWav("level.wav", 44100, 2, 0.2, 0, 20000);
        SoundStream first(level.c_str()), second(level.c_str());
        ASSERT_TRUE(first.Play(true) && second.Play(true));
        DiskOutput out;
        out.Settle();
        std::vector<int16_t> heard = out.Next(2048);
        EXPECT_EQ(std::count(heard.begin(), heard.end(), INT16_MAX), long(heard.size()));
    }  // both closed

    WriteWav("tune.wav", 22050, 1, 0.5, 440, 10000);
    if (std::system("lame --quiet -b 64 tune.wav tune.mp3") != 0)
        GTEST_SKIP() << "lame is not installed";
    SoundStream music;
    ASSERT_TRUE(music.Open("tune.mp3"));
    DiskOutput out;
    ASSERT_TRUE(music.Play(false));
    std::vector<int16_t> heard = out.Next(OUTPUT_RATE);
    LoudSpan once = FindLoudSpan(heard, 5000);
    EXPECT_NEAR(once.last - once.first, OUTPUT_RATE / 2, OUTPUT_RATE / 50);
    EXPECT_NEAR(heard[2 * once.first], heard[2 * once.first + 1], 1)
        << "the mono tone on both sides";

    ASSERT_TRUE(music.Play(true));
    LoudSpan looped = FindLoudSpan(out.Next(2 * OUTPUT_RATE), 1000);
    music.Stop();
    EXPECT_GT(looped.last - looped.first, OUTPUT_RATE * 3 / 2)
        << "still playing after three lengths";
    EXPECT_LT(looped.longestQuiet, 8) << "no silence where it starts again";
    out.Settle();
    EXPECT_EQ(FindLoudSpan(out.Next(8192), 0).first, -1) << "silence once stopped";
}
