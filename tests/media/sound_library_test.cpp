#include "media/sound_library.h"

#include "tests/media/sound_files.h"
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

// Ends the way a careless caller might: stops and closes the very stream it is told about, on
// the library's own thread, which it records.
static signed char CloseWhenEnded(FSOUND_STREAM* stream, void*, int, void* userData)
{
    FSOUND_Stream_Stop(stream);
    FSOUND_Stream_Close(stream);
    *static_cast<std::atomic<std::thread::id>*>(userData) = std::this_thread::get_id();
    return 1;
}

TEST(SoundLibrary, LoopCountRepeatsThenTheEndCallbackMayCloseItsOwnStream)
{
    StartHeadlessEngine();
    const int openBefore = SoundLibraryOpenStreams();
    FSOUND_STREAM* stream = FSOUND_Stream_Open(WriteWav("tick.wav", 44100, 2, 0.05, 1000, 8000).c_str(), FSOUND_LOOP_NORMAL, 0, 0);
    std::atomic<std::thread::id> endedOn{};
    ASSERT_TRUE(FSOUND_Stream_SetEndCallback(stream, CloseWhenEnded, &endedOn));
    FSOUND_Stream_SetLoopCount(stream, 2);
    DiskOutput out;
    ASSERT_GE(FSOUND_Stream_Play(FSOUND_FREE, stream), 0);
    LoudSpan heard = FindLoudSpan(out.Next(OUTPUT_RATE / 2), 1000);
    EXPECT_NEAR(heard.last - heard.first, 3 * OUTPUT_RATE / 20, 100) << "played once and looped twice";
    for (int waited = 0; endedOn == std::thread::id() && waited < 5000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_NE(endedOn, std::thread::id()) << "the callback came";
    EXPECT_NE(endedOn, std::this_thread::get_id());
    EXPECT_EQ(SoundLibraryOpenStreams(), openBefore);
}

TEST(SoundLibrary, LoudChannelsSaturateAndTheSixtyFifthFindsNoRoom)
{
    StartHeadlessEngine();
    const std::string level = WriteWav("level.wav", 44100, 2, 0.2, 0, 20000);
    std::vector<FSOUND_STREAM*> streams;
    for (int i = 0; i <= FSOUND_MAX_CHANNELS; ++i) {
        streams.push_back(FSOUND_Stream_Open(level.c_str(), FSOUND_LOOP_NORMAL, 0, 0));
        FSOUND_Stream_SetLoopCount(streams.back(), -1);
        EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams.back()), i < FSOUND_MAX_CHANNELS ? i : -1);
    }
    EXPECT_EQ(FSOUND_GetError(), FSOUND_ERR_CHANNEL_ALLOC);
    DiskOutput out;
    out.Settle();
    std::vector<int16_t> heard = out.Next(2048);
    for (FSOUND_STREAM* stream : streams)
        FSOUND_Stream_Close(stream);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), INT16_MAX), long(heard.size())) << "held at the top, never wrapped";
}
