// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_library.h"

#include "media/sound_edge.h"
#include "media/sound_source.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct FSOUND_STREAM {
    SoundSource source;
    bool loopAllowed = false;
    bool endless = false;  // as set: looped without end from its next play on
    bool looping = false;  // this play loops
    int channel = -1;      // -1 while it does not play
    FSOUND_STREAMCALLBACK endCallback = nullptr;
    void* userData = nullptr;
};

namespace {

constexpr int MIX_BUFFER_FRAMES = 1024;  // about 23 ms at 44100 Hz: short enough for effects
constexpr int MIX_RATE_LOWEST = 8000;
constexpr int MIX_RATE_HIGHEST = 96000;

// Kept on purpose: the notice thread. Three threads meet here: the program's, SDL's audio thread that mixes, and the notice thread
// that calls end callbacks. One mutex guards all of it; the mixer takes it for each buffer.
//
// End callbacks are never called by the mixer itself: the mixer queues a notice, and the notice
// thread calls the callback without holding the mutex. So a callback may call anything of the
// library, stopping or closing its own stream, playing another, even FSOUND_Close, without a
// deadlock (the mutex is free, and the audio thread is never the one waiting for itself) and
// without a race (each call takes the mutex like any other). Closing or replaying a stream
// waits for a callback of it that is running on the notice thread, so a handle is never freed
// under a callback and a late stop never cuts a new play short. Where there are no threads (a
// browser) the mixer runs between the game's steps, and delivers its notices itself once it has
// mixed and let go of the mutex (sound_edge.h).
struct Library {
    std::mutex guard;
    std::condition_variable noticeChanged;
    bool started = false;
    int rate = 0;
    int channelLimit = 0;
    FSOUND_STREAM* channels[FSOUND_MAX_CHANNELS] = {};
    std::vector<std::unique_ptr<FSOUND_STREAM>> streams;  // every open stream
    std::vector<int32_t> mix;                             // the mixer's sums before clipping
    std::vector<int16_t> piece;                           // the frames one stream gave the mixer
    std::deque<FSOUND_STREAM*> notices;   // streams that ended, their callbacks not yet called
    FSOUND_STREAM* inCallback = nullptr;  // the stream whose callback runs now
    unsigned noticeTicket = 0;            // the notice thread runs while its ticket is current
    std::thread noticeThread;

    ~Library();
};

// Built on first use, which is the music stream's construction before main: a function-local
// object does not depend on the order in which files' globals are constructed.
Library& Lib()
{
    static Library library;
    return library;
}

float reportedVersion = FSOUND_VERSION;
std::atomic<int> lastError{FSOUND_ERR_NONE};

// The sound library's own error code, kept for FSOUND_GetError as its interface has it; a false
// result to return with it.
signed char SetError(int error)
{
    lastError = error;
    return 0;
}

std::vector<std::unique_ptr<FSOUND_STREAM>>::const_iterator Find(const Library& lib,
                                                                 const FSOUND_STREAM* stream)
{
    return std::find_if(
        lib.streams.begin(), lib.streams.end(),
        [&](const std::unique_ptr<FSOUND_STREAM>& open) { return open.get() == stream; });
}

bool Known(const Library& lib, const FSOUND_STREAM* stream)
{
    return stream && Find(lib, stream) != lib.streams.end();
}

// Any of the mutex-guarded calls: null when the library is not started or the handle unknown.
FSOUND_STREAM* Usable(const Library& lib, FSOUND_STREAM* stream)
{
    if (!lib.started)
        return SetError(FSOUND_ERR_UNINITIALIZED), nullptr;
    if (!Known(lib, stream))
        return SetError(FSOUND_ERR_INVALID_PARAM), nullptr;
    return stream;
}

void Unplug(Library& lib, FSOUND_STREAM& stream)
{
    if (stream.channel >= 0)
        lib.channels[stream.channel] = nullptr;
    stream.channel = -1;
}

// Drops the stream's queued notices and lets a callback of it that runs elsewhere finish first.
void SettleNotices(Library& lib, std::unique_lock<std::mutex>& hold, FSOUND_STREAM* stream)
{
    // Without threads, a callback running now is the caller's own: waiting would never end.
    if (SoundThreads() && std::this_thread::get_id() != lib.noticeThread.get_id())
        lib.noticeChanged.wait(hold, [&] { return lib.inCallback != stream; });
    lib.notices.erase(std::remove(lib.notices.begin(), lib.notices.end(), stream),
                      lib.notices.end());
}

// Calls the callbacks of the queued notices while the ticket is current, the mutex let go around
// each call.
void DeliverQueued(Library& lib, std::unique_lock<std::mutex>& hold, unsigned ticket)
{
    while (lib.noticeTicket == ticket && !lib.notices.empty()) {
        FSOUND_STREAM* stream = lib.notices.front();
        lib.notices.pop_front();
        FSOUND_STREAMCALLBACK callback = stream->endCallback;
        void* userData = stream->userData;
        lib.inCallback = stream;
        hold.unlock();
        callback(stream, nullptr, 0, userData);
        hold.lock();
        if (lib.inCallback == stream)
            lib.inCallback = nullptr;
        lib.noticeChanged.notify_all();
    }
}

// The notice thread's life.
void DeliverNotices(unsigned ticket)
{
    Library& lib = Lib();
    std::unique_lock<std::mutex> hold(lib.guard);
    for (;;) {
        lib.noticeChanged.wait(hold,
                               [&] { return lib.noticeTicket != ticket || !lib.notices.empty(); });
        if (lib.noticeTicket != ticket)
            return;
        DeliverQueued(lib, hold, ticket);
    }
}

// Adds frames of the stream to the mix, starting it again at its end while it loops.
// False when it has played to its end.
bool AddStream(Library& lib, FSOUND_STREAM& stream, int frames)
{
    int done = 0;
    bool rewound = false;
    while (done < frames) {
        int got = stream.source.Read(lib.piece.data(), frames - done);
        int32_t* into = lib.mix.data() + done * SOURCE_FRAME_SAMPLES;
        for (int i = 0; i < got * SOURCE_FRAME_SAMPLES; ++i)
            into[i] += lib.piece[i];
        done += got;
        if (done == frames)
            break;
        if (!stream.looping || (got == 0 && rewound))  // the end, or a file with no frames
            return false;
        stream.source.Rewind();
        rewound = true;
    }
    return true;
}

void MixPiece(Library& lib, int16_t* out, int frames)
{
    std::fill(lib.mix.begin(), lib.mix.end(), 0);
    bool ended = false;
    for (int c = 0; c < lib.channelLimit; ++c) {
        FSOUND_STREAM* stream = lib.channels[c];
        if (!stream || AddStream(lib, *stream, frames))
            continue;
        Unplug(lib, *stream);
        if (stream->endCallback) {
            lib.notices.push_back(stream);
            ended = true;
        }
    }
    // Loud sums saturate: wrapping around would turn them into crackling noise.
    for (int i = 0; i < frames * SOURCE_FRAME_SAMPLES; ++i)
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(lib.mix[i], INT16_MIN, INT16_MAX));
    if (ended)
        lib.noticeChanged.notify_all();
}

// SDL's audio thread asks for each buffer here.
void Mix(void*, Uint8* stream, int bytes)
{
    Library& lib = Lib();
    std::unique_lock<std::mutex> hold(lib.guard);
    int16_t* out = reinterpret_cast<int16_t*>(stream);
    for (int left = bytes / SOURCE_FRAME_BYTES; left > 0;) {
        int frames = std::min(left, MIX_BUFFER_FRAMES);
        MixPiece(lib, out, frames);
        out += frames * SOURCE_FRAME_SAMPLES;
        left -= frames;
    }
    SoundPlaying(std::any_of(lib.channels, lib.channels + lib.channelLimit,
                             [](const FSOUND_STREAM* stream) { return stream != nullptr; }));
    if (!SoundThreads())
        DeliverQueued(lib, hold, lib.noticeTicket);
}

bool OpenDevice(int mixRate)
{
    PrepareSoundDevice();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        return false;
    SDL_AudioSpec wanted = {};
    wanted.freq = mixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = SOURCE_FRAME_SAMPLES;
    wanted.samples = SoundDeviceFrames();
    wanted.callback = Mix;
    // Without an "obtained" spec SDL converts to whatever the device takes, so the mixer always
    // works in the wanted format.
    if (SDL_OpenAudio(&wanted, nullptr) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

void CloseLibrary(Library& lib)
{
    std::thread noticeThread;
    {
        std::lock_guard<std::mutex> hold(lib.guard);
        if (!lib.started)
            return;
        lib.started = false;
        ++lib.noticeTicket;
        noticeThread = std::move(lib.noticeThread);
    }
    lib.noticeChanged.notify_all();
    // Not under the mutex: closing waits for the audio thread, which may be waiting for the mutex.
    SDL_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (noticeThread.get_id() == std::this_thread::get_id())
        noticeThread.detach();         // closed from a callback: the thread ends when that returns
    else if (noticeThread.joinable())  // none was started where there are no threads
        noticeThread.join();
    std::lock_guard<std::mutex> hold(lib.guard);
    lib.streams.clear();
    lib.notices.clear();
    std::fill(std::begin(lib.channels), std::end(lib.channels), nullptr);
}

Library::~Library()
{
    CloseLibrary(*this);  // only when a stream outlived the program's own shut-down
}

}  // namespace

float FSOUND_GetVersion()
{
    return reportedVersion;
}

void SetSoundLibraryVersion(float version)
{
    reportedVersion = version;
}

int FSOUND_GetError()
{
    return lastError;
}

signed char FSOUND_Init(int mixRate, int channels, unsigned int)
{
    Library& lib = Lib();
    {
        std::lock_guard<std::mutex> hold(lib.guard);
        if (lib.started)
            return 1;
    }
    if (mixRate < MIX_RATE_LOWEST || mixRate > MIX_RATE_HIGHEST || channels < 1 ||
        channels > FSOUND_MAX_CHANNELS)
        return SetError(FSOUND_ERR_INVALID_PARAM);
    if (!OpenDevice(mixRate))
        return SetError(FSOUND_ERR_INIT);
    {
        std::lock_guard<std::mutex> hold(lib.guard);
        lib.rate = mixRate;
        lib.channelLimit = channels;
        lib.mix.assign(MIX_BUFFER_FRAMES * SOURCE_FRAME_SAMPLES, 0);
        lib.piece.assign(MIX_BUFFER_FRAMES * SOURCE_FRAME_SAMPLES, 0);
        lib.started = true;
        ++lib.noticeTicket;
        if (SoundThreads())
            lib.noticeThread = std::thread(DeliverNotices, lib.noticeTicket);
    }
    SDL_PauseAudio(0);
    return 1;
}

void FSOUND_Close()
{
    CloseLibrary(Lib());
}

FSOUND_STREAM* FSOUND_Stream_Open(const char* path, unsigned int mode, int offset, int length)
{
    Library& lib = Lib();
    int rate = 0;
    {
        std::lock_guard<std::mutex> hold(lib.guard);
        rate = lib.started ? lib.rate : 0;
    }
    if (rate == 0)
        return SetError(FSOUND_ERR_UNINITIALIZED), nullptr;
    if (!path || offset != 0 || length != 0)
        return SetError(FSOUND_ERR_INVALID_PARAM), nullptr;
    // The file is opened outside the mutex, so the mixer never waits for a disk.
    auto stream = std::make_unique<FSOUND_STREAM>();
    int error = stream->source.Open(path, rate);
    if (error != FSOUND_ERR_NONE)
        return SetError(error), nullptr;
    stream->loopAllowed = (mode & FSOUND_LOOP_NORMAL) != 0;
    std::lock_guard<std::mutex> hold(lib.guard);
    if (!lib.started)
        return SetError(FSOUND_ERR_UNINITIALIZED), nullptr;
    lib.streams.push_back(std::move(stream));
    return lib.streams.back().get();
}

signed char FSOUND_Stream_SetEndCallback(FSOUND_STREAM* stream, FSOUND_STREAMCALLBACK callback,
                                         void* userData)
{
    Library& lib = Lib();
    std::lock_guard<std::mutex> hold(lib.guard);
    if (!Usable(lib, stream))
        return 0;
    stream->endCallback = callback;
    stream->userData = userData;
    return 1;
}

signed char FSOUND_Stream_SetLoopCount(FSOUND_STREAM* stream, int count)
{
    Library& lib = Lib();
    std::lock_guard<std::mutex> hold(lib.guard);
    if (!Usable(lib, stream))
        return 0;
    stream->endless = count == -1;
    return 1;
}

static int FreeChannel(const Library& lib)
{
    for (int c = 0; c < lib.channelLimit; ++c)
        if (!lib.channels[c])
            return c;
    return -1;
}

int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream)
{
    Library& lib = Lib();
    std::unique_lock<std::mutex> hold(lib.guard);
    if (!Usable(lib, stream))
        return -1;
    SettleNotices(lib, hold, stream);
    if (!Usable(lib, stream))  // closed by the callback that just finished
        return -1;
    if (channel != FSOUND_FREE)
        return SetError(FSOUND_ERR_INVALID_PARAM), -1;
    channel = stream->channel >= 0 ? stream->channel : FreeChannel(lib);
    if (channel < 0)
        return SetError(FSOUND_ERR_CHANNEL_ALLOC), -1;
    Unplug(lib, *stream);
    stream->source.Rewind();
    stream->looping = stream->loopAllowed && stream->endless;
    stream->channel = channel;
    lib.channels[channel] = stream;
    SoundPlaying(true);
    return channel;
}

signed char FSOUND_Stream_Stop(FSOUND_STREAM* stream)
{
    Library& lib = Lib();
    std::lock_guard<std::mutex> hold(lib.guard);
    if (!Usable(lib, stream))
        return 0;
    Unplug(lib, *stream);
    return 1;
}

signed char FSOUND_Stream_Close(FSOUND_STREAM* stream)
{
    Library& lib = Lib();
    std::unique_lock<std::mutex> hold(lib.guard);
    if (!Usable(lib, stream))
        return 0;
    SettleNotices(lib, hold, stream);
    if (!Known(lib, stream))  // closed meanwhile by its own callback
        return 1;
    Unplug(lib, *stream);
    // Freed after the mutex is let go: a file's decoder may take its time to close.
    const auto open = Find(lib, stream);
    std::unique_ptr<FSOUND_STREAM> closing = std::move(lib.streams[open - lib.streams.begin()]);
    lib.streams.erase(open);
    hold.unlock();
    return 1;
}

int SoundLibraryOpenStreams()
{
    Library& lib = Lib();
    std::lock_guard<std::mutex> hold(lib.guard);
    return static_cast<int>(lib.streams.size());
}
