#include "tests/media/sound_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <thread>

static void Put(std::ofstream& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string WriteWav(const std::string& name, int rate, int sides, double seconds, int hz, int level)
{
    uint32_t frames = static_cast<uint32_t>(rate * seconds);
    uint32_t dataBytes = frames * sides * 2;
    std::ofstream out(name, std::ios::binary);
    out << "RIFF";
    Put(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);  // plain PCM
    Put(out, sides, 2);
    Put(out, rate, 4);
    Put(out, rate * sides * 2, 4);
    Put(out, sides * 2, 2);
    Put(out, 16, 2);
    out << "data";
    Put(out, dataBytes, 4);
    for (uint32_t f = 0; f < frames; ++f) {
        double value = hz ? level * std::sin(2 * M_PI * hz * f / rate) : level;
        for (int s = 0; s < sides; ++s)
            Put(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(value))), 2);
    }
    EXPECT_TRUE(out.good()) << name;
    return name;
}

std::string EncodeMp3(const std::string& wav, const std::string& mp3)
{
    std::string command = "lame --quiet -b 64 " + wav + " " + mp3;
    return std::system(command.c_str()) == 0 ? mp3 : std::string();
}

static const char* OutputPath()
{
    const char* path = std::getenv("SDL_DISKAUDIOFILE");
    return path ? path : "sdlaudio.raw";
}

static long long OutputSize()
{
    struct stat about;
    return stat(OutputPath(), &about) == 0 ? static_cast<long long>(about.st_size) : 0;
}

DiskOutput::DiskOutput() : mark(OutputSize() / 4 * 4) {}

std::vector<int16_t> DiskOutput::Next(int frames)
{
    const long long wanted = mark + 4LL * frames;
    auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (OutputSize() < wanted && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::vector<int16_t> samples(2 * static_cast<size_t>(frames));
    std::ifstream in(OutputPath(), std::ios::binary);
    in.seekg(mark);
    in.read(reinterpret_cast<char*>(samples.data()), 4LL * frames);
    EXPECT_EQ(in.gcount(), 4LL * frames) << "the disk driver stopped writing";
    mark += in.gcount();
    return samples;
}

int Peak(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

std::pair<long, long> LoudSpan(const std::vector<int16_t>& samples, int threshold)
{
    long first = -1, last = -1;
    for (size_t f = 0; f < samples.size() / 2; ++f)
        if (std::abs(static_cast<int>(samples[2 * f])) > threshold) {
            first = first < 0 ? static_cast<long>(f) : first;
            last = static_cast<long>(f);
        }
    return {first, last};
}

long LongestQuietRun(const std::vector<int16_t>& samples, long first, long last, int threshold)
{
    long longest = 0, run = 0;
    for (long f = first; f <= last; ++f) {
        run = std::abs(static_cast<int>(samples[2 * f])) < threshold ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}
