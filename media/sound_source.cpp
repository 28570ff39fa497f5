// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_source.h"

#include "media/sound_library.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

SoundSource::~SoundSource()
{
    if (mp3) {
        mpg123_close(mp3);
        mpg123_delete(mp3);
    }
}

// A WAV is told by its header; anything else must prove to be an MP3.
int SoundSource::Open(const char* path, int rate)
{
    FILE* file = fopen(path, "rb");
    if (!file)
        return FSOUND_ERR_FILE_NOTFOUND;
    char head[12] = {};
    size_t got = fread(head, 1, sizeof head, file);
    fclose(file);
    bool wav =
        got == sizeof head && memcmp(head, "RIFF", 4) == 0 && memcmp(head + 8, "WAVE", 4) == 0;
    return wav ? OpenWav(path, rate) : OpenMp3(path, rate);
}

int SoundSource::OpenWav(const char* path, int rate)
{
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
    samples.resize(convert.len_cvt / SOURCE_FRAME_BYTES * SOURCE_FRAME_SAMPLES);
    samples.shrink_to_fit();
    position = 0;
    return FSOUND_ERR_NONE;
}

static bool Mpg123Ready()
{
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
}

// mpg123 is allowed one output format only, so it resamples and spreads mono to both sides
// itself; gapless decoding drops the encoder's padding, so a loop has no silent seam.
int SoundSource::OpenMp3(const char* path, int rate)
{
    int error = MPG123_OK;
    mp3 = Mpg123Ready() ? mpg123_new(nullptr, &error) : nullptr;
    if (!mp3)
        return FSOUND_ERR_MEMORY;
    mpg123_param(mp3, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS | MPG123_AUTO_RESAMPLE, 0);
    mpg123_format_none(mp3);
    mpg123_format(mp3, rate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    long fileRate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_open(mp3, path) == MPG123_OK &&
        mpg123_getformat(mp3, &fileRate, &channels, &encoding) == MPG123_OK)
        return FSOUND_ERR_NONE;
    mpg123_delete(mp3);
    mp3 = nullptr;
    return FSOUND_ERR_FILE_FORMAT;
}

int SoundSource::Read(int16_t* frames, int count)
{
    if (!mp3) {
        size_t total = samples.size() / SOURCE_FRAME_SAMPLES;
        size_t taken = std::min(static_cast<size_t>(count), total - position);
        std::copy_n(samples.begin() + position * SOURCE_FRAME_SAMPLES, taken * SOURCE_FRAME_SAMPLES,
                    frames);
        position += taken;
        return static_cast<int>(taken);
    }
    unsigned char* out = reinterpret_cast<unsigned char*>(frames);
    size_t wanted = static_cast<size_t>(count) * SOURCE_FRAME_BYTES, done = 0;
    while (done < wanted) {
        size_t got = 0;
        int result = mpg123_read(mp3, out + done, wanted - done, &got);
        done += got;
        // The end, a broken file, or a read that brought nothing: this is as far as it goes.
        if ((result != MPG123_OK && result != MPG123_NEW_FORMAT) ||
            (got == 0 && result == MPG123_OK))
            break;
    }
    return static_cast<int>(done / SOURCE_FRAME_BYTES);
}

void SoundSource::Rewind()
{
    if (mp3)
        mpg123_seek(mp3, 0, SEEK_SET);
    position = 0;
}
