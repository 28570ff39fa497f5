// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_MEDIA_SOUND_SOURCE_H
#define KOLVO_MEDIA_SOUND_SOURCE_H

#include "media/sound_edge.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int SOURCE_FRAME_SAMPLES =
    2;  // a frame is one 16-bit signed sample for each of two sides
constexpr int SOURCE_FRAME_BYTES = SOURCE_FRAME_SAMPLES * 2;

// The frames of one sound file at the mixing rate, read piece by piece. A WAV is converted whole
// when it opens (effects are short); an MP3 is decoded only as far as it has been read, so opening
// even long music costs one frame header (a browser decodes both whole, as they open).
class SoundSource {
public:
    SoundSource() = default;
    SoundSource(const SoundSource&) = delete;
    SoundSource& operator=(const SoundSource&) = delete;

    // FSOUND_ERR_NONE, or the sound library's error code telling why the file cannot be played.
    int Open(const char* path, int rate);
    // Copies up to count frames into frames (room for count * SOURCE_FRAME_SAMPLES samples).
    // Fewer than count only at the end of the file.
    int Read(int16_t* frames, int count);
    void Rewind();  // the next Read starts at the first frame

private:
    std::vector<int16_t> samples;  // the frames of a WAV, or of an MP3 decoded whole
    size_t position = 0;           // the next frame of samples
    OwnedMp3Stream mp3;            // an MP3 being decoded as it is read; empty otherwise
};

#endif
