// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_MEDIA_SOUND_FILES_H
#define KOLVO_TESTS_MEDIA_SOUND_FILES_H

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

// A 16-bit WAV in the working directory: a sine of hz at amplitude level (the constant level when
// hz is 0) on every side.
inline std::string WriteWav(const std::string& name, int rate, int sides, double seconds, int hz,
                            int level)
{
    std::ofstream out(name, std::ios::binary);
    const auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(char(value >> (8 * i)));
    };
    const uint32_t frames = uint32_t(rate * seconds), bytes = frames * sides * 2;
    out << "RIFF";
    put(36 + bytes, 4);
    out << "WAVEfmt ";
    const int format[][2] = {{16, 4},        {1, 2}, {sides, 2}, {rate, 4}, {rate * sides * 2, 4},
                             {sides * 2, 2}, {16, 2}};
    for (const auto& field : format)  // plain PCM, 16 bits
        put(field[0], field[1]);
    out << "data";
    put(bytes, 4);
    for (uint32_t f = 0; f < frames * sides; ++f)
        put(uint16_t(hz ? std::lround(level * std::sin(2 * M_PI * hz * (f / sides) / rate))
                        : level),
            2);
    EXPECT_TRUE(out.good()) << name;
    return name;
}

#endif
