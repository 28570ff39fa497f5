#include "media/sound_stream.h"

// Silent stand-in until the sound layer lands: no device, every stream stays closed.
SoundStream::SoundStream() : stream(nullptr) {}
SoundStream::SoundStream(const char* path) : stream(nullptr) { Open(path); }
SoundStream::~SoundStream() {}
bool SoundStream::Open(const char*) { return false; }
bool SoundStream::Play(bool) { return stream != nullptr; }
void SoundStream::Stop() {}
bool SoundStream::Available() { return false; }

bool OpenEffect(SoundStream& sound, const char* path)
{
    return sound.Open(path) || !SoundStream::Available();
}

const char* SoundErrorText(int) { return "Unknown error"; }
