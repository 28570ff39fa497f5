// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_HIGHSCORE_SUPPORT_H
#define KOLVO_TESTS_HIGHSCORE_SUPPORT_H

#include "highscore/highscore_list.h"
#include "highscore/highscore_table.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

constexpr Uint32 CURSOR_GREEN = 0x00FF00;

// Starts the engine in a new directory without highscore file, whose data/grafik/font.bmp draws
// character 33 + k 3 + k % 3 pixels wide and whose data/grafik/cursor.bmp is a green bar.
inline void EnterFreshDirectory()
{
    static int count = 0;
    StartHeadlessEngine();
    const std::string directory = testDirectory + "/case" + std::to_string(++count);
    ASSERT_EQ(mkdir(directory.c_str(), 0755), 0);
    ASSERT_EQ(chdir(directory.c_str()), 0);
    ASSERT_EQ(mkdir("data", 0755) + mkdir("data/grafik", 0755), 0);
    std::vector<FontRun> runs = {{0, 1}};
    for (int k = 0; k < 95; ++k)
        runs.push_back({runs.back().start + 4 + k % 3, 1});
    WriteFontPicture("data/grafik/font.bmp", runs.back().start + 1, 10, runs);
    WritePicture("data/grafik/cursor.bmp", 3, 8, CURSOR_GREEN);
}

// Runs the independent format tool with the arguments and returns what it printed.
inline std::string RunFormatTool(const std::string& arguments)
{
    const std::string command =
        "/usr/bin/python3 " KOLVO_HIGHSCORE_FORMAT_TOOL " " + arguments + " >format-tool.out";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadWholeFile("format-tool.out");
}

inline HighscoreEntry Entry(const char* name, int points)
{
    return MakeHighscoreEntry(name, points, 1, 60);
}

#endif
