#ifndef KOLVO_TESTS_MEDIA_SOUND_FILES_H
#define KOLVO_TESTS_MEDIA_SOUND_FILES_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

constexpr int OUTPUT_RATE = 44100;

// A 16-bit WAV in the working directory: a sine of hz at amplitude level (the constant level when
// hz is 0) on every side.
std::string WriteWav(const std::string& name, int rate, int sides, double seconds, int hz, int level);
std::string EncodeMp3(const std::string& wav, const std::string& mp3);  // empty without lame

// The mix as SDL's disk driver writes it to SDL_DISKAUDIOFILE, from the moment this is built.
class DiskOutput {
public:
    DiskOutput();
    // Waits for the next frames and returns them, both sides interleaved.
    std::vector<int16_t> Next(int frames);
    void Settle() { Next(4096); }  // lets the buffers mixed before a change pass by

private:
    long long mark;
};

// The first and last frame louder than threshold on the left side (-1 when none is), and the
// longest quiet run between them.
struct LoudSpan {
    long first = -1, last = -1, longestQuiet = 0;
};
LoudSpan FindLoudSpan(const std::vector<int16_t>& samples, int threshold);

#endif
