#include "media/sound_stream.h"

#include "media/sound_library.h"
#include "tests/media/sound_files.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

// These stories listen to the mix through SDL's disk driver (chosen by CTest before main).
class SoundOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        if (!driver || std::strcmp(driver, "disk") != 0)
            GTEST_SKIP() << "run through ctest: it chooses SDL's disk audio driver";
        ASSERT_TRUE(SoundStream::Available());
    }
};

TEST_F(SoundOnDisk, EffectSoundsUntilStoppedAndPlaysAgainFromItsStart)
{
    SoundStream effect(WriteWav("tone.wav", 22050, 1, 1.0, 440, 8000).c_str());
    DiskOutput out;
    EXPECT_EQ(Peak(out.Next(2048)), 0) << "nothing plays yet";

    ASSERT_TRUE(effect.Play(false));
    out.Settle();
    EXPECT_GT(Peak(out.Next(4096)), 7000);

    effect.Stop();
    out.Settle();
    EXPECT_EQ(Peak(out.Next(8192)), 0);

    ASSERT_TRUE(effect.Play(false));
    out.Settle();
    EXPECT_GT(Peak(out.Next(4096)), 7000);
}

TEST_F(SoundOnDisk, EffectPlayedOnceEndsByItselfAndFreesItsChannel)
{
    SoundStream effect(WriteWav("blip.wav", 44100, 2, 0.1, 880, 8000).c_str());
    DiskOutput out;
    ASSERT_TRUE(effect.Play(false));
    std::vector<int16_t> heard = out.Next(OUTPUT_RATE / 2);
    auto [first, last] = LoudSpan(heard, 1000);
    ASSERT_GE(first, 0);
    EXPECT_NEAR(last - first, OUTPUT_RATE / 10, 100);
    EXPECT_EQ(FSOUND_GetChannelsPlaying(), 0);
    EXPECT_TRUE(effect.Play(false)) << "an ended stream plays again";
}

TEST_F(SoundOnDisk, LoopedMusicPlaysPastItsEndWithoutASeam)
{
    // Half a second of 440 Hz holds whole cycles, so a gapless loop is one unbroken tone.
    std::string mp3 = EncodeMp3(WriteWav("tune.wav", 44100, 2, 0.5, 440, 10000), "tune.mp3");
    if (mp3.empty())
        GTEST_SKIP() << "lame is not installed";
    SoundStream music(mp3.c_str());
    DiskOutput out;
    ASSERT_TRUE(music.Play(true));
    std::vector<int16_t> heard = out.Next(2 * OUTPUT_RATE);
    music.Stop();
    auto [first, last] = LoudSpan(heard, 5000);
    ASSERT_GE(first, 0);
    EXPECT_GT(last - first, OUTPUT_RATE * 3 / 2) << "still playing after three times its length";
    EXPECT_LT(LongestQuietRun(heard, first + 2048, last, 1000), 8) << "no silence where it starts again";
}

TEST_F(SoundOnDisk, MonoMp3AtAnotherRateKeepsItsLengthOnBothSides)
{
    std::string mp3 = EncodeMp3(WriteWav("low.wav", 22050, 1, 0.5, 300, 10000), "low.mp3");
    if (mp3.empty())
        GTEST_SKIP() << "lame is not installed";
    SoundStream music(mp3.c_str());
    DiskOutput out;
    ASSERT_TRUE(music.Play(false));
    std::vector<int16_t> heard = out.Next(OUTPUT_RATE);
    auto [first, last] = LoudSpan(heard, 2000);
    EXPECT_NEAR(last - first, OUTPUT_RATE / 2, OUTPUT_RATE / 50);
    EXPECT_NEAR(heard[2 * first + 2], heard[2 * first + 3], 1) << "both sides carry the mono tone";
}

TEST_F(SoundOnDisk, SecondOpenStopsAndClosesTheFirst)
{
    int openBefore = SoundLibraryOpenStreams();
    SoundStream sound(WriteWav("first.wav", 44100, 2, 1.0, 440, 8000).c_str());
    ASSERT_TRUE(sound.Play(true));
    ASSERT_TRUE(sound.Open(WriteWav("second.wav", 44100, 2, 1.0, 660, 8000).c_str()));
    EXPECT_EQ(SoundLibraryOpenStreams(), openBefore + 1);
    EXPECT_EQ(FSOUND_GetChannelsPlaying(), 0);
    DiskOutput out;
    out.Settle();
    EXPECT_EQ(Peak(out.Next(4096)), 0);
}

TEST_F(SoundOnDisk, FailedOpenSaysWhyAndLeavesNothingToPlay)
{
    int openBefore = SoundLibraryOpenStreams();
    SoundStream sound(WriteWav("good.wav", 44100, 2, 1.0, 440, 8000).c_str());
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(sound.Open("missing.wav"));
    EXPECT_FALSE(sound.Open(WriteTextFile("notes.mp3", "not a sound at all\n").c_str()));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Could not load sound 'missing.wav': File not found\n"
              "Could not load sound 'notes.mp3': Unknown file format\n");
    EXPECT_EQ(SoundLibraryOpenStreams(), openBefore) << "the good stream was closed first";
    EXPECT_FALSE(sound.Play(false));

    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(OpenEffect(sound, "missing.wav")) << "with sound working, a missing file is an error";
    ::testing::internal::GetCapturedStdout();
}

TEST(SoundErrorText, NamesKnownCodesAndNothingElse)
{
    EXPECT_STREQ(SoundErrorText(0), "No errors");
    EXPECT_STREQ(SoundErrorText(12), "Not enough memory ");
    EXPECT_STREQ(SoundErrorText(18), "Required Mediaplayer codec is not installed");
    EXPECT_STREQ(SoundErrorText(19), "Unknown error");
    EXPECT_STREQ(SoundErrorText(-1), "Unknown error");
}
