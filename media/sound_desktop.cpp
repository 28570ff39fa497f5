// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_edge.h"

#include "media/sound_library.h"

#include <SDL/SDL.h>
#include <mpg123.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

// SDL converts the whole file at once (effects are short).
int OpenWavFile(const char* path, int rate, std::vector<int16_t>& samples)
{
    constexpr int FRAME_BYTES = 2 * sizeof(int16_t);
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path, &spec, &data, &length))
        return FSOUND_ERR_FILE_FORMAT;
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 2, rate) <
        0) {
        SDL_FreeWAV(data);
        return FSOUND_ERR_FILE_FORMAT;
    }
    // The conversion works in place and may need len_mult times the room of the original.
    samples.assign((static_cast<size_t>(length) * convert.len_mult + 1) / 2, 0);
    memcpy(samples.data(), data, length);
    SDL_FreeWAV(data);
    convert.buf = reinterpret_cast<Uint8*>(samples.data());
    convert.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&convert) < 0)
        return FSOUND_ERR_FILE_FORMAT;
    samples.resize(convert.len_cvt / FRAME_BYTES * 2);
    samples.shrink_to_fit();
    return FSOUND_ERR_NONE;
}

// mpg123_delete closes the decoder's file too.
struct Mpg123Delete {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};

struct Mp3Stream {
    std::unique_ptr<mpg123_handle, Mpg123Delete> handle;
};

void Mp3StreamClose::operator()(Mp3Stream* stream) const
{
    std::default_delete<Mp3Stream>()(stream);
}

static bool Mpg123Ready()
{
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
}

// mpg123 is allowed one output format only, so it resamples and spreads mono to both sides
// itself; gapless decoding drops the encoder's padding, so a loop has no silent seam.
int OpenMp3File(const char* path, int rate, OwnedMp3Stream& stream, std::vector<int16_t>&)
{
    int error = MPG123_OK;
    std::unique_ptr<mpg123_handle, Mpg123Delete> mp3(Mpg123Ready() ? mpg123_new(nullptr, &error)
                                                                   : nullptr);
    if (!mp3)
        return FSOUND_ERR_MEMORY;
    mpg123_param(mp3.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS | MPG123_AUTO_RESAMPLE,
                 0);
    mpg123_format_none(mp3.get());
    mpg123_format(mp3.get(), rate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    long fileRate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_open(mp3.get(), path) != MPG123_OK ||
        mpg123_getformat(mp3.get(), &fileRate, &channels, &encoding) != MPG123_OK)
        return FSOUND_ERR_FILE_FORMAT;
    stream.reset(std::make_unique<Mp3Stream>(Mp3Stream{std::move(mp3)}).release());
    return FSOUND_ERR_NONE;
}

int ReadMp3(Mp3Stream* stream, int16_t* frames, int count)
{
    constexpr size_t FRAME_BYTES = 2 * sizeof(int16_t);
    unsigned char* out = reinterpret_cast<unsigned char*>(frames);
    size_t wanted = static_cast<size_t>(count) * FRAME_BYTES, done = 0;
    while (done < wanted) {
        size_t got = 0;
        int result = mpg123_read(stream->handle.get(), out + done, wanted - done, &got);
        done += got;
        // The end, a broken file, or a read that brought nothing: this is as far as it goes.
        if ((result != MPG123_OK && result != MPG123_NEW_FORMAT) ||
            (got == 0 && result == MPG123_OK))
            break;
    }
    return static_cast<int>(done / FRAME_BYTES);
}

void RewindMp3(Mp3Stream* stream)
{
    mpg123_seek(stream->handle.get(), 0, SEEK_SET);
}

bool SoundThreads()
{
    return true;
}

void PrepareSoundDevice() {}

uint16_t SoundDeviceFrames()
{
    return 1024;  // about 23 ms at 44100 Hz: short enough for effects
}

void SoundPlaying(bool) {}
