// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_MEDIA_SOUND_LIBRARY_H
#define KOLVO_MEDIA_SOUND_LIBRARY_H

// Kept on purpose: the shape of the sound library the game was written against (its FSOUND_ names,
// error codes, version and messages), so SoundStream and the lines players know stay as they were.
// The sound library under SoundStream: MP3 and WAV files played as streams on up to 64 mixed
// channels through SDL's audio. Calls made by the program come from its one thread; the mixer runs
// on SDL's audio thread and end callbacks on a thread of the library's own (see FSOUND_Stream_SetEndCallback).
// Functions that answer "signed char" return non-zero on success; on failure FSOUND_GetError tells why.

// An open stream; owned by the library from FSOUND_Stream_Open until FSOUND_Stream_Close or FSOUND_Close.
struct FSOUND_STREAM;

// Called when a stream that plays its last time reaches its end (buffer is null, length 0).
using FSOUND_STREAMCALLBACK = signed char (*)(FSOUND_STREAM* stream, void* buffer, int length,
                                              void* userData);

// Error codes of FSOUND_GetError; SoundErrorText names them.
enum {
    FSOUND_ERR_NONE = 0,
    FSOUND_ERR_UNINITIALIZED = 2,  // FSOUND_Init was not called (or failed)
    FSOUND_ERR_INIT = 3,           // no output device
    FSOUND_ERR_FILE_NOTFOUND = 9,
    FSOUND_ERR_FILE_FORMAT = 10,  // neither a WAV nor an MP3 that can be decoded
    FSOUND_ERR_MEMORY = 12,
    FSOUND_ERR_INVALID_PARAM = 14,
    FSOUND_ERR_CHANNEL_ALLOC = 16,  // every channel is busy
};

// Stream open mode bits. Only FSOUND_LOOP_NORMAL changes anything here: without it a stream plays
// once whatever its loop count. The sample description bits describe raw data, which files are not.
enum : unsigned int {
    FSOUND_LOOP_NORMAL = 0x2,
    FSOUND_16BITS = 0x10,
    FSOUND_MONO = 0x20,
    FSOUND_SIGNED = 0x100,
    FSOUND_MPEGACCURATE = 0x20000,  // rewinding an MP3 always lands on its first sample here
};

constexpr int FSOUND_FREE = -1;  // FSOUND_Stream_Play: pick any free channel
constexpr int FSOUND_MAX_CHANNELS = 64;
constexpr float FSOUND_VERSION = 3.75f;  // what FSOUND_GetVersion answers unless a test changes it

float FSOUND_GetVersion();
// Opens the output device at mixRate Hz, 16-bit stereo, with channels mixing channels (1 to 64).
// Starting it again while it runs succeeds and changes nothing.
signed char FSOUND_Init(int mixRate, int channels, unsigned int flags);
int FSOUND_GetError();  // the code of the last failed call; FSOUND_ERR_NONE before any failed

// Opens a WAV (converted whole, effects are short) or an MP3 (decoded while it plays). offset and
// length must be 0: streams come from files only. Null on failure.
FSOUND_STREAM* FSOUND_Stream_Open(const char* path, unsigned int mode, int offset, int length);
signed char FSOUND_Stream_SetEndCallback(FSOUND_STREAM* stream, FSOUND_STREAMCALLBACK callback,
                                         void* userData);
// Whether the stream starts again after its end, from its next play on: -1 without end, 0 once
// (the game asks for nothing else; any other count plays once).
signed char FSOUND_Stream_SetLoopCount(FSOUND_STREAM* stream, int count);
// Plays the stream from its start on the channel it already has, else on the first free one. The
// game lets the library choose: channel must be FSOUND_FREE. The channel, or -1.
int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream);
signed char FSOUND_Stream_Stop(FSOUND_STREAM* stream);  // frees its channel; the stream stays open
signed char FSOUND_Stream_Close(FSOUND_STREAM* stream);
// Stops the output and closes every stream still open.
void FSOUND_Close();

// Test seams: the version the library reports (to try a library too old for the game) and the
// number of streams open.
void SetSoundLibraryVersion(float version);
int SoundLibraryOpenStreams();

#endif
