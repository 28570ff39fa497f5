#ifndef KOLVO_TESTS_MEDIA_SOUND_FILES_H
#define KOLVO_TESTS_MEDIA_SOUND_FILES_H

#include <cstdint>
#include <string>
#include <vector>

// A 16-bit PCM WAV in the working directory: a sine of hz at amplitude level, or the constant
// level when hz is 0, on every side.
std::string WriteWav(const std::string& name, int rate, int sides, double seconds, int hz, int level);
// The WAV encoded by lame; empty when lame cannot be run.
std::string EncodeMp3(const std::string& wav, const std::string& mp3);

constexpr int OUTPUT_RATE = 44100;

// The mix as SDL's disk driver writes it to SDL_DISKAUDIOFILE: 16-bit stereo frames.
class DiskOutput {
public:
    DiskOutput();  // from what is written from now on
    // Waits until frames more frames have been written and returns them, both sides interleaved.
    std::vector<int16_t> Next(int frames);
    // Lets the buffers mixed before a change pass by.
    void Settle() { Next(SETTLE_FRAMES); }

private:
    static constexpr int SETTLE_FRAMES = 4 * 1024;
    long long mark;
};

int Peak(const std::vector<int16_t>& samples);
// The first and last frame louder than threshold on the left side, {-1, -1} when none is.
std::pair<long, long> LoudSpan(const std::vector<int16_t>& samples, int threshold);
// The longest run of frames quieter than threshold on the left side between first and last.
long LongestQuietRun(const std::vector<int16_t>& samples, long first, long last, int threshold);

#endif
