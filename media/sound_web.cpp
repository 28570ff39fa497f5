// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_edge.h"

#include "media/sound_library.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>

// An MP3 (the music) decoded by the browser while the game goes on: the page opens to its menu
// without waiting for it, and the stream plays silence until its frames are there.
struct Mp3Stream {
    int job;              // the page's decoding job (DecodeLater)
    size_t position = 0;  // in frames
};

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

// Starts decoding the file in the background; the job's number, or -1 where the file cannot be
// read or the browser has no Web Audio. Module.kolvoDecoding[job] is then null while it decodes,
// and {frames, count} once done (count 0 where the browser could not decode it).
EM_JS(int, DecodeLater, (const char* path, int rate), {
    var Context = typeof OfflineAudioContext != 'undefined' ? OfflineAudioContext
        : typeof webkitOfflineAudioContext != 'undefined' ? webkitOfflineAudioContext : null;
    var bytes;
    try {
        bytes = FS.readFile(UTF8ToString(path));
    } catch (error) {
        return -1;
    }
    if (!Context) return -1;
    var jobs = Module.kolvoDecoding = Module.kolvoDecoding || [];
    var job = jobs.length;
    jobs.push(null);
    new Context(2, 1, rate).decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length)).then(function(sound) {
        var left = sound.getChannelData(0);
        var right = sound.getChannelData(sound.numberOfChannels > 1 ? 1 : 0);
        var frames = _malloc(sound.length * 4);
        if (!frames) return jobs[job] = {frames: 0, count: 0};
        var at = frames >> 1;
        for (var i = 0; i < sound.length; ++i) {
            HEAP16[at + 2 * i] = Math.max(-32768, Math.min(32767, Math.round(left[i] * 32768)));
            HEAP16[at + 2 * i + 1] = Math.max(-32768, Math.min(32767, Math.round(right[i] * 32768)));
        }
        jobs[job] = {frames: frames, count: sound.length};
    }, function() {
        jobs[job] = {frames: 0, count: 0};
    });
    return job;
});

// The job's frames, and their count in *count; -1 while it decodes.
EM_JS(int16_t*, DecodedFrames, (int job, int* count), {
    var done = Module.kolvoDecoding[job];
    HEAP32[count >> 2] = done ? done.count : -1;
    return done ? done.frames : 0;
});

EM_JS(void, ForgetDecoding, (int job), {
    var done = Module.kolvoDecoding[job];
    if (done && done.frames) _free(done.frames);
    Module.kolvoDecoding[job] = {frames: 0, count: 0};
});
// clang-format on

// A cut WAV file is refused, as on the desktop, only as far as the browser refuses it. Effects are
// short and decoded whole as they open.
int OpenWavFile(const char* path, int rate, std::vector<int16_t>& frames)
{
    int count = 0;
    int16_t* decoded = DecodeInBrowser(path, rate, &count);
    if (!decoded)
        return FSOUND_ERR_FILE_FORMAT;
    frames.assign(decoded, decoded + 2 * static_cast<size_t>(count));
    free(decoded);
    return FSOUND_ERR_NONE;
}

int OpenMp3File(const char* path, int rate, OwnedMp3Stream& stream, std::vector<int16_t>&)
{
    const int job = DecodeLater(path, rate);
    if (job < 0)
        return FSOUND_ERR_FILE_FORMAT;
    stream.reset(std::make_unique<Mp3Stream>(Mp3Stream{job}).release());
    return FSOUND_ERR_NONE;
}

// Silence while the browser decodes; then the frames, fewer only at their end (none where the
// browser could not decode the file: the music has ended).
int ReadMp3(Mp3Stream* stream, int16_t* frames, int count)
{
    int total = 0;
    const int16_t* decoded = DecodedFrames(stream->job, &total);
    if (total < 0) {
        std::fill_n(frames, 2 * static_cast<size_t>(count), 0);
        return count;
    }
    const size_t left = static_cast<size_t>(total) - std::min(stream->position, size_t(total));
    const size_t taken = std::min(left, static_cast<size_t>(count));
    std::copy_n(decoded + 2 * stream->position, 2 * taken, frames);
    stream->position += taken;
    return static_cast<int>(taken);
}

void RewindMp3(Mp3Stream* stream)
{
    stream->position = 0;
}

void Mp3StreamClose::operator()(Mp3Stream* stream) const
{
    ForgetDecoding(stream->job);
    std::default_delete<Mp3Stream>()(stream);
}

bool SoundThreads()
{
    return false;
}

// clang-format off
EM_JS(void, MakeAudioContext, (), {
    Module['SDL_numSimultaneouslyQueuedBuffers'] = 2;
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
        }, 5000);
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

uint16_t SoundDeviceFrames()
{
    return 2048;
}

void SoundPlaying(bool playing)
{
    NoteSoundPlaying(playing ? 1 : 0);
}
