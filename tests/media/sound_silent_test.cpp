// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sound_stream.h"

#include "media/sound_library.h"
#include "tests/support/headless.h"

#include <gtest/gtest.h>

// The machine starts without sound; then a device turns up, first with a library too old for the
// game, then with a good one.
TEST(SoundWithoutDevice, ScreensGoOnInSilenceUntilADeviceAndAGoodLibraryTurnUp)
{
    const std::string GIVE_UP = "Game will continue without playing Sounds!\n";
    StartHeadlessEngine();
    const std::string wav = "data/sound/stonedown.wav";  // one of the game's own
    ASSERT_FALSE(SoundStream::Available()) << "the music stream found no device before main";
    ::testing::internal::CaptureStdout();
    SoundStream effect;
    EXPECT_TRUE(OpenEffect(effect, wav.c_str()));
    EXPECT_TRUE(OpenEffect(effect, "missing.wav")) << "without sound, no file is an error";
    EXPECT_FALSE(effect.Play(false));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Could not init FMod: Error initializing output device.\n" + GIVE_UP);

    setenv("SDL_AUDIODRIVER", "disk", 1);
    SetSoundLibraryVersion(3.69f);
    ::testing::internal::CaptureStdout();
    SoundStream tooOld(wav.c_str());
    EXPECT_EQ(
        ::testing::internal::GetCapturedStdout(),
        "Error : You are using the wrong DLL version!  You should be using FMOD 3.70\n" + GIVE_UP);
    EXPECT_FALSE(SoundStream::Available());
    EXPECT_FALSE(tooOld.Play(false)) << "no stream opens with a library that old";
    EXPECT_EQ(SoundLibraryOpenStreams(), 0);

    SetSoundLibraryVersion(FSOUND_VERSION);
    SoundStream good(wav.c_str());
    EXPECT_TRUE(SoundStream::Available());
    EXPECT_TRUE(good.Play(false));
}
