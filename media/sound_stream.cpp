// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_stream.h"

#include "media/sound_library.h"

#include <cstdint>
#include <cstdio>

constexpr float SOUND_VERSION_NEEDED = 3.7f;
constexpr int SOUND_MIX_RATE = 44100;
constexpr int SOUND_CHANNELS = 64;
// Loops allowed, the default sample description (16-bit signed mono) and accurate MP3 seeking.
constexpr unsigned int SOUND_OPEN_MODE =
    FSOUND_LOOP_NORMAL | FSOUND_16BITS | FSOUND_SIGNED | FSOUND_MONO | FSOUND_MPEGACCURATE;
constexpr int SOUND_LOOP_ENDLESS = -1;
constexpr int SOUND_LOOP_ONCE = 0;

// Shared by every stream. Constant-initialised, so they hold before the music stream is
// constructed ahead of main, whatever the order of other files' globals.
static bool soundAvailable = false;
static int32_t streamCount = 0;

// The texts of the codes the sound library sets, worded as players have always read them.
struct SoundErrorName {
    int code;
    const char* text;
};
static const SoundErrorName SOUND_ERROR_TEXTS[] = {
    {FSOUND_ERR_NONE, "No errors"},
    {FSOUND_ERR_UNINITIALIZED, "This command failed because FSOUND_Init was not called"},
    {FSOUND_ERR_INIT, "Error initializing output device."},
    {FSOUND_ERR_FILE_NOTFOUND, "File not found"},
    {FSOUND_ERR_FILE_FORMAT, "Unknown file format"},
    {FSOUND_ERR_MEMORY, "Not enough memory "},
    {FSOUND_ERR_INVALID_PARAM, "An invalid parameter was passed to this function"},
    {FSOUND_ERR_CHANNEL_ALLOC, "Failed to allocate a new channel"},
};

const char* SoundErrorText(int code)
{
    for (const SoundErrorName& name : SOUND_ERROR_TEXTS)
        if (name.code == code)
            return name.text;
    return "Unknown error";
}

// Tried by every stream built while sound is unavailable, so sound that turns up later is used.
// Kept on purpose: the messages name the sound library the game was written against, as players
// have always read them, on standard output: the music stream starts the library before main, so
// before the log exists.
static void StartSoundLibrary()
{
    if (soundAvailable)
        return;
    soundAvailable = true;
    if (FSOUND_GetVersion() < SOUND_VERSION_NEEDED) {
        printf("Error : You are using the wrong DLL version!  You should be using FMOD %.02f\n",
               SOUND_VERSION_NEEDED);
        printf("Game will continue without playing Sounds!\n");
        soundAvailable = false;
    }
    if (!FSOUND_Init(SOUND_MIX_RATE, SOUND_CHANNELS, 0)) {
        printf("Could not init FMod: %s\n", SoundErrorText(FSOUND_GetError()));
        printf("Game will continue without playing Sounds!\n");
        soundAvailable = false;
    }
}

// Runs on the sound library's notice thread when a stream played once has ended. It touches no
// state of the game: it only stops that stream, which frees its channel for good.
static signed char StreamEnded(FSOUND_STREAM* stream, void*, int, void*)
{
    FSOUND_Stream_Stop(stream);
    return 1;
}

SoundStream::SoundStream() : SoundStream(nullptr) {}

SoundStream::SoundStream(const char* path) : stream(nullptr)
{
    StartSoundLibrary();
    if (path)
        Open(path);
    ++streamCount;
}

SoundStream::~SoundStream()
{
    if (stream) {
        FSOUND_Stream_Stop(stream);
        FSOUND_Stream_Close(stream);
    }
    if (--streamCount <= 0)
        FSOUND_Close();
}

bool SoundStream::Open(const char* path)
{
    if (!path || !soundAvailable)
        return false;
    if (stream) {
        FSOUND_Stream_Stop(stream);
        FSOUND_Stream_Close(stream);
        stream = nullptr;
    }
    stream = FSOUND_Stream_Open(path, SOUND_OPEN_MODE, 0, 0);
    if (!stream) {
        // Kept on purpose: on standard output, as the sound layer's other lines.
        printf("Could not load sound '%s': %s\n", path, SoundErrorText(FSOUND_GetError()));
        return false;
    }
    return FSOUND_Stream_SetEndCallback(stream, StreamEnded, nullptr) != 0;
}

bool SoundStream::Play(bool loop)
{
    if (!stream)
        return false;
    FSOUND_Stream_SetLoopCount(stream, loop ? SOUND_LOOP_ENDLESS : SOUND_LOOP_ONCE);
    return FSOUND_Stream_Play(FSOUND_FREE, stream) != -1;
}

void SoundStream::Stop()
{
    if (stream)
        FSOUND_Stream_Stop(stream);
}

bool SoundStream::Available()
{
    return soundAvailable;
}

void ToggleMusic()
{
    if (gSoundOn)
        gMusic.Stop();
    else
        gMusic.Play(true);
    gSoundOn = !gSoundOn;
}

bool OpenEffect(SoundStream& sound, const char* path)
{
    return sound.Open(path) || !SoundStream::Available();
}
