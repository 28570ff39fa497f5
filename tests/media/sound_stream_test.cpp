#include "media/sound_stream.h"

#include "media/sound_library.h"
#include "tests/media/sound_files.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

// These stories listen to the mix through SDL's disk driver, which CTest chooses before main.
class SoundOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        ASSERT_STREQ(std::getenv("SDL_AUDIODRIVER"), "disk") << "run through ctest, which chooses it";
        ASSERT_TRUE(SoundStream::Available());
    }
};

TEST_F(SoundOnDisk, EffectEndsByItselfOnceAndSoundsUntilStoppedWhenLooped)
{
    SoundStream effect(WriteWav("blip.wav", 22050, 1, 0.1, 880, 8000).c_str());
    DiskOutput out;
    ASSERT_TRUE(effect.Play(false));
    LoudSpan once = FindLoudSpan(out.Next(OUTPUT_RATE / 2), 1000);
    EXPECT_NEAR(once.last - once.first, OUTPUT_RATE / 10, 100);
    EXPECT_EQ(FSOUND_GetChannelsPlaying(), 0);

    ASSERT_TRUE(effect.Play(true));
    out.Settle();
    LoudSpan looped = FindLoudSpan(out.Next(OUTPUT_RATE / 5), 4000);  // twice its length
    EXPECT_TRUE(looped.first < 50 && looped.last > OUTPUT_RATE / 5 - 50) << looped.first << " to " << looped.last;
    effect.Stop();
    out.Settle();
    EXPECT_EQ(FindLoudSpan(out.Next(8192), 0).first, -1) << "silence";
}

TEST_F(SoundOnDisk, Mp3MusicComesAtTheMixRateOnBothSidesAndLoopsWithoutASeam)
{
    // Half a second of 440 Hz holds whole cycles, so a gapless loop is one unbroken tone.
    const std::string mp3 = EncodeMp3(WriteWav("tune.wav", 22050, 1, 0.5, 440, 10000), "tune.mp3");
    if (mp3.empty())
        GTEST_SKIP() << "lame is not installed";
    SoundStream music(mp3.c_str());
    DiskOutput out;
    ASSERT_TRUE(music.Play(false));
    std::vector<int16_t> heard = out.Next(OUTPUT_RATE);
    LoudSpan once = FindLoudSpan(heard, 5000);
    EXPECT_NEAR(once.last - once.first, OUTPUT_RATE / 2, OUTPUT_RATE / 50);
    EXPECT_NEAR(heard[2 * once.first], heard[2 * once.first + 1], 1) << "the mono tone on both sides";

    ASSERT_TRUE(music.Play(true));
    LoudSpan looped = FindLoudSpan(out.Next(2 * OUTPUT_RATE), 1000);
    music.Stop();
    EXPECT_GT(looped.last - looped.first, OUTPUT_RATE * 3 / 2) << "still playing after three lengths";
    EXPECT_LT(looped.longestQuiet, 8) << "no silence where it starts again";
}

TEST_F(SoundOnDisk, OpeningAgainClosesThePreviousStreamEvenWhenTheNewFileFails)
{
    const int openBefore = SoundLibraryOpenStreams();
    SoundStream sound(WriteWav("first.wav", 44100, 2, 1.0, 440, 8000).c_str());
    ASSERT_TRUE(sound.Play(true));
    ASSERT_TRUE(sound.Open(WriteWav("second.wav", 44100, 2, 1.0, 660, 8000).c_str()));
    EXPECT_EQ(SoundLibraryOpenStreams(), openBefore + 1);
    EXPECT_EQ(FSOUND_GetChannelsPlaying(), 0);

    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(sound.Open(WriteTextFile("notes.mp3", "not a sound at all\n").c_str()));
    EXPECT_FALSE(OpenEffect(sound, "missing.wav")) << "with sound working, a missing file is an error";
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Could not load sound 'notes.mp3': Unknown file format\n"
                                                        "Could not load sound 'missing.wav': File not found\n");
    EXPECT_EQ(SoundLibraryOpenStreams(), openBefore);
    EXPECT_FALSE(sound.Play(false));
    EXPECT_STREQ(SoundErrorText(19), "Unknown error");
    EXPECT_STREQ(SoundErrorText(-1), "Unknown error");
}
