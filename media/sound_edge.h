// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_MEDIA_SOUND_EDGE_H
#define KOLVO_MEDIA_SOUND_EDGE_H

#include <cstdint>
#include <memory>
#include <vector>

// Where the sound layer meets the platform. On the desktop, SDL converts a WAV as it opens,
// libmpg123 decodes an MP3 as far as it is read, and the sound library runs a thread of its own for
// end notices beside SDL's audio thread. A browser decodes both itself (Web Audio): a WAV whole as
// it opens, an MP3 (the music) in the background, the stream playing silence until it is done, so
// the page does not wait for it before its menu; and it runs one thread, which the mixer and the
// notices take turns on. One file per platform (sound_desktop.cpp, sound_web.cpp), chosen by the
// build.

struct Mp3Stream;  // an MP3 being decoded as it is read
struct Mp3StreamClose {
    void operator()(Mp3Stream* stream) const;  // closes the file and frees its decoder
};
using OwnedMp3Stream = std::unique_ptr<Mp3Stream, Mp3StreamClose>;

// Puts all of the WAV file's frames at `rate` Hz (two 16-bit signed samples each) in `frames`.
// FSOUND_ERR_NONE, or the sound library's code telling why not.
int OpenWavFile(const char* path, int rate, std::vector<int16_t>& frames);

// Opens the MP3 at path for frames at `rate` Hz (two 16-bit signed samples each). Either sets
// `stream`, to be read with ReadMp3 and closed as it is released, or leaves it empty and puts all of
// the file's frames in `frames`. FSOUND_ERR_NONE, or the sound library's code telling why not.
int OpenMp3File(const char* path, int rate, OwnedMp3Stream& stream, std::vector<int16_t>& frames);
// Up to count frames into frames; fewer only at the end of the file.
int ReadMp3(Mp3Stream* stream, int16_t* frames, int count);
void RewindMp3(Mp3Stream* stream);

// Whether the sound library may start a thread of its own. Where it may not, the notices a mix
// queues are delivered right after that mix, once the mixer has let go of everything.
bool SoundThreads();

// Called before the sound device is opened. A browser's audio context is made for playback rather
// than for the shortest latency: the browser then wakes its audio threads half as often.
void PrepareSoundDevice();

// The frames of one buffer the sound device asks the mix for. A browser's SDL wakes the page for
// every buffer it queues, so there the buffers are longer and fewer are queued at once: the same
// latency (about 140 ms) with a fifth of the wakes.
uint16_t SoundDeviceFrames();

// Tells the platform whether any stream plays, at every mix and whenever a stream starts. A
// browser lets its audio device rest (the page's audio context suspended, no buffers mixed) once
// nothing has played for five seconds (a game's effects keep it awake), and wakes it with the next
// stream played: a running audio context costs the browser's processes a few percent of a core
// even while silent. The desktop's SDL mixes on.
void SoundPlaying(bool playing);

#endif
