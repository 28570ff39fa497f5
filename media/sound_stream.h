// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_MEDIA_SOUND_STREAM_H
#define KOLVO_MEDIA_SOUND_STREAM_H

struct FSOUND_STREAM;

// One sound file (music in MP3, effects in WAV) played as a stream, once or looping. The first
// stream constructed starts the sound library, the last one destroyed shuts it down.
class SoundStream {
public:
    SoundStream();                           // no file
    explicit SoundStream(const char* path);  // opens path; the result is not reported
    ~SoundStream();                          // stops and closes; the last stream shuts sound down
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    // Replaces any open stream. False when sound is unavailable (silently) or the file cannot be
    // opened (with a message on standard output).
    bool Open(const char* path);
    // True when the stream got a channel; it plays from its start. loop plays it without end,
    // else once, and the stream stops itself at its end.
    bool Play(bool loop);
    void Stop();  // the stream stays open

    // True while the sound library is initialised and usable. Screens ask it to tell a missing
    // file (their error) from a machine without sound (they go on in silence).
    static bool Available();

private:
    FSOUND_STREAM* stream;  // owned: closed by Open and the destructor; null when nothing is open
};

// The background music. Defined with the other process-wide objects in app/globals.cpp: its
// construction, before main, starts the sound library, and its destruction shuts it down.
extern SoundStream gMusic;
// Whether the music plays; the options screen and the game keys switch it together with the music.
// Defined in app/globals.cpp.
extern bool gSoundOn;

// Switches the background music and the sound-on flag together: stops the music when it plays,
// plays it again, looping, when it does not.
void ToggleMusic();

// Opens an effect for a screen: true when the file opened, and also when the machine has no sound
// at all, so the screen runs silently. False only when sound works and the file cannot be opened.
bool OpenEffect(SoundStream& sound, const char* path);

// The text for a sound library error code; "Unknown error" for codes it does not know.
const char* SoundErrorText(int code);

#endif
