// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_edge.h"

#include "media/sound_library.h"

#include <emscripten.h>

#include <cstdlib>

struct Mp3Stream {};

// The browser decodes the file with Web Audio and resamples it to the rate of the context it is
// decoded for; the game waits for it (the page keeps running meanwhile). Returns the frames,
// interleaved 16-bit samples allocated with malloc, and their count in *count; null where the
// browser has no Web Audio or cannot decode the file.
// clang-format off
EM_ASYNC_JS(int16_t*, DecodeInBrowser, (const char* path, int rate, int* count), {
    var Context = typeof OfflineAudioContext != 'undefined' ? OfflineAudioContext
        : typeof webkitOfflineAudioContext != 'undefined' ? webkitOfflineAudioContext : null;
    if (!Context) return 0;
    var sound;
    try {
        var bytes = FS.readFile(UTF8ToString(path));
        sound = await new Context(2, 1, rate).decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length));
    } catch (error) {
        return 0;
    }
    var left = sound.getChannelData(0);
    var right = sound.getChannelData(sound.numberOfChannels > 1 ? 1 : 0);
    var frames = _malloc(sound.length * 4);
    if (!frames) return 0;
    function sample(x) {
        return Math.max(-32768, Math.min(32767, Math.round(x * 32768)));
    }
    var at = frames >> 1;
    for (var i = 0; i < sound.length; ++i) {
        HEAP16[at + 2 * i] = sample(left[i]);
        HEAP16[at + 2 * i + 1] = sample(right[i]);
    }
    HEAP32[count >> 2] = sound.length;
    return frames;
});
// clang-format on

// A cut WAV file is refused, as on the desktop, only as far as the browser refuses it.
int OpenWavFile(const char* path, int rate, std::vector<int16_t>& frames)
{
    Mp3Stream* none = nullptr;
    return OpenMp3File(path, rate, none, frames);
}

// Decoded whole: a loop starts again from the frames in memory, with no seam.
int OpenMp3File(const char* path, int rate, Mp3Stream*&, std::vector<int16_t>& frames)
{
    int count = 0;
    int16_t* decoded = DecodeInBrowser(path, rate, &count);
    if (!decoded)
        return FSOUND_ERR_FILE_FORMAT;
    frames.assign(decoded, decoded + 2 * static_cast<size_t>(count));
    free(decoded);
    return FSOUND_ERR_NONE;
}

int ReadMp3(Mp3Stream*, int16_t*, int)
{
    return 0;
}

void RewindMp3(Mp3Stream*) {}

void CloseMp3(Mp3Stream*) {}

bool SoundThreads()
{
    return false;
}

// clang-format off
EM_JS(void, MakeAudioContext, (), {
    if (typeof SDL == 'undefined' || SDL.audioContext || typeof AudioContext == 'undefined') return;
    SDL.audioContext = new AudioContext({latencyHint: 'playback'});
});

EM_JS(void, NoteSoundPlaying, (int playing), {
    var audio = Module.kolvoAudio = Module.kolvoAudio || {playing: true, resting: false, timer: 0};
    var context = typeof SDL != 'undefined' ? SDL.audioContext : null;
    audio.playing = !!playing;
    if (!context) return;
    if (playing && audio.resting) {
        audio.resting = false;
        _SDL_PauseAudio(0);
        context.resume();
    } else if (!playing && !audio.resting && !audio.timer) {
        // Not from within the mix that said so: SDL would start its timer again after it.
        audio.timer = setTimeout(function() {
            audio.timer = 0;
            if (audio.playing) return;
            audio.resting = true;
            _SDL_PauseAudio(1);
            context.suspend();
        }, 500);
        // A first click or key wakes the context (emscripten's SDL asks for it), resting or not.
        context.onstatechange = function() {
            if (audio.resting && context.state === 'running') context.suspend();
        };
    }
});
// clang-format on

void PrepareSoundDevice()
{
    MakeAudioContext();
}

void SoundPlaying(bool playing)
{
    NoteSoundPlaying(playing ? 1 : 0);
}
