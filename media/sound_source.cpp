// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_source.h"

#include "core/owned_handles.h"
#include "media/sound_library.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

// A WAV is told by its header; anything else must prove to be an MP3.
int SoundSource::Open(const char* path, int rate)
{
    size_t got = 0;
    char head[12] = {};
    {
        OwnedFile file(fopen(path, "rb"));
        if (!file)
            return FSOUND_ERR_FILE_NOTFOUND;
        got = fread(head, 1, sizeof head, file.get());
    }
    bool wav =
        got == sizeof head && memcmp(head, "RIFF", 4) == 0 && memcmp(head + 8, "WAVE", 4) == 0;
    position = 0;
    return wav ? OpenWavFile(path, rate, samples) : OpenMp3File(path, rate, mp3, samples);
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
    return ReadMp3(mp3.get(), frames, count);
}

void SoundSource::Rewind()
{
    if (mp3)
        RewindMp3(mp3.get());
    position = 0;
}
