// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/graphics_script.h"

#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

static const std::string HEADER = "MBKLoadGraphicsScriptFile\n";

class GraphicsScript : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        for (const char* name : {"empty.bmp", "a.bmp", "b.bmp"})
            WritePicture(name, 22, 22, 0x808080);
    }

    // Loads the script into fresh slots; the filled slots as a word: "E" for -1, "A" for 0, "B" for 1.
    std::string Load(const std::string& script, bool expected = true)
    {
        pictures.Unload();
        WriteTextFile("graphic.txt", script);
        EXPECT_EQ(LoadGraphicsScriptFile("graphic.txt", pictures), expected) << script;
        return std::string(pictures.Get(-1) ? "E" : "") + (pictures.Get(0) ? "A" : "") +
               (pictures.Get(1) ? "B" : "");
    }

    PlayfieldPictures pictures;
};

// Every good record fills its slot; a failure keeps what was loaded before it.
TEST_F(GraphicsScript, RecordsFillTheirSlotsUntilOneFailsAfterTheExactHeader)
{
    const std::string longText(150, 'k'),
        longest = std::string(95, 'n') + ".bmp";  // 99 characters fit
    WritePicture(longest, 22, 22, 0x00FF00);
    const std::tuple<std::string, bool, const char*> cases[] = {
        {"SetGraphic -1 empty.bmp\n\n  SetGraphic 0 a.bmp\nSetGraphic 1 b.bmp", true,
         "EAB"},  // last line too
        {"", true, ""},
        // other keywords skip only their own line, even one that merely begins like the real one
        {"Comment 0 b.bmp\nSetGraphic 0 a.bmp\n# a comment\nSetGraphic 1 b.bmp\n"
         "SetGraphics 1 far.bmp\nSetGraphic -1 empty.bmp\n# end",
         true, "EAB"},
        // C integers; slots out of range, and a record cut after its keyword, are skipped unopened
        {"SetGraphic 2 far.bmp\nSetGraphic 0x1 b.bmp\nSetGraphic -01 empty.bmp\n"
         "SetGraphic 010 far.bmp\nSetGraphic -2 far.bmp\nSetGraphic 99999999999 "
         "far.bmp\nSetGraphic",
         true, "EB"},
        {"SetGraphic 1 b.bmp\nSetGraphic 0 a.bmp\nSetGraphic 0 b.bmp\nSetGraphic -1 empty.bmp",
         false, "AB"},
        {"SetGraphic 1 b.bmp\nSetGraphic 0 gone.bmp\n", false, "B"},
        {longText + " 0 a.bmp\nSetGraphic 0 a.bmp\n", false, ""},
        {"SetGraphic 0 " + longText + ".bmp\n", false, ""},
        {"SetGraphic " + std::string(120, '0') + " a.bmp\n", false, ""},
        {"SetGraphic 1 " + longest, true, "B"},
    };
    LogSink sink;
    for (const auto& [records, loads, slots] : cases)
        EXPECT_EQ(Load(HEADER + records, loads), slots) << records;
    EXPECT_FALSE(sink.Contains("loading sprite far.bmp")) << "a slot out of range is never opened";
    EXPECT_TRUE(sink.Contains("loading sprite gone.bmp"));

    // Only the exact header with its line end is taken; a wrong one is printed.
    for (const std::string& header :
         {std::string("mbkloadgraphicsscriptfile\n"), std::string("MBKLoadGraphicsScriptFile"),
          std::string(150, 'k')}) {
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(Load(header + (header.back() == '\n' ? "SetGraphic 0 a.bmp\n" : ""), false), "");
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), header.substr(0, 99) + "\n");
    }
}
