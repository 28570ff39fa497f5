#include "tests/media/sound_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <thread>

std::string WriteWav(const std::string& name, int rate, int sides, double seconds, int hz, int level)
{
    std::ofstream out(name, std::ios::binary);
    auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>(value >> (8 * i)));
    };
    uint32_t frames = static_cast<uint32_t>(rate * seconds), bytes = frames * sides * 2;
    out << "RIFF";
    put(36 + bytes, 4);
    out << "WAVEfmt ";
    const int format[][2] = {{16, 4}, {1, 2}, {sides, 2}, {rate, 4}, {rate * sides * 2, 4}, {sides * 2, 2}, {16, 2}};
    for (const auto& field : format)  // plain PCM, 16 bits
        put(field[0], field[1]);
    out << "data";
    put(bytes, 4);
    for (uint32_t f = 0; f < frames * sides; ++f)
        put(static_cast<uint16_t>(hz ? std::lround(level * std::sin(2 * M_PI * hz * (f / sides) / rate)) : level), 2);
    EXPECT_TRUE(out.good()) << name;
    return name;
}

std::string EncodeMp3(const std::string& wav, const std::string& mp3)
{
    return std::system(("lame --quiet -b 64 " + wav + " " + mp3).c_str()) == 0 ? mp3 : "";
}

static long long OutputSize()
{
    struct stat about;
    return stat(std::getenv("SDL_DISKAUDIOFILE"), &about) == 0 ? about.st_size : 0;
}

DiskOutput::DiskOutput() : mark(OutputSize() / 4 * 4) {}

std::vector<int16_t> DiskOutput::Next(int frames)
{
    auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (OutputSize() < mark + 4LL * frames && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::vector<int16_t> samples(2 * static_cast<size_t>(frames));
    std::ifstream in(std::getenv("SDL_DISKAUDIOFILE"), std::ios::binary);
    in.seekg(mark);
    in.read(reinterpret_cast<char*>(samples.data()), 4LL * frames);
    EXPECT_EQ(in.gcount(), 4LL * frames) << "the disk driver stopped writing";
    mark += in.gcount();
    return samples;
}

LoudSpan FindLoudSpan(const std::vector<int16_t>& samples, int threshold)
{
    LoudSpan span;
    for (long f = 0; f < static_cast<long>(samples.size() / 2); ++f) {
        if (std::abs(samples[2 * f]) <= threshold)
            continue;
        if (span.first >= 0)
            span.longestQuiet = std::max(span.longestQuiet, f - span.last - 1);
        span.first = span.first < 0 ? f : span.first;
        span.last = f;
    }
    return span;
}
