#include "game/graphics_script.h"

#include "game/tumblo_engine.h"
#include "media/sprite.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

static const std::string HEADER = "MBKLoadGraphicsScriptFile\n";

class GraphicsScript : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        for (const char* name : {"empty.bmp", "a.bmp", "b.bmp"})
            WritePicture(name, 22, 22, 0x808080);
        ASSERT_TRUE(engine.Init(400));
    }
    void TearDown() override { UnloadGraphics(&engine); }

    // Loads the script into fresh slots; the filled slots as a word: "E" for -1, "A" for 0, "B" for 1.
    std::string Load(const std::string& script, bool expected = true)
    {
        UnloadGraphics(&engine);
        WriteTextFile("graphic.txt", script);
        EXPECT_EQ(LoadGraphicsScriptFile("graphic.txt", &engine), expected) << script;
        return std::string(engine.GetGraphic(-1) ? "E" : "") + (engine.GetGraphic(0) ? "A" : "") +
               (engine.GetGraphic(1) ? "B" : "");
    }

    TumbloEngine engine;
};

TEST_F(GraphicsScript, EveryRecordIsAppliedUpToTheLastWithOrWithoutALineEnd)
{
    const std::string records = "SetGraphic -1 empty.bmp\n\n  SetGraphic 0 a.bmp\nSetGraphic 1 b.bmp";
    EXPECT_EQ(Load(HEADER + records), "EAB");
    EXPECT_EQ(Load(HEADER + records + "\n\n"), "EAB");
    EXPECT_EQ(Load(HEADER), "");
    EXPECT_EQ(Load(ReadWholeFile("data/grafik/graphic.txt")), "EAB") << "the game's own script";
    EXPECT_EQ(engine.GetGraphic(1)->rect.w, 22);
    UnloadGraphics(&engine);
    EXPECT_EQ(engine.GetGraphic(1), nullptr);
}

TEST_F(GraphicsScript, OtherKeywordsSkipOnlyTheirOwnLine)
{
    EXPECT_EQ(Load(HEADER + "Comment 0 b.bmp\nSetGraphic 0 a.bmp\n# a comment of words\nSetGraphic 1 b.bmp\n"
                            "Note\nSetGraphic -1 empty.bmp\n# end"),
              "EAB");
}

TEST_F(GraphicsScript, SlotsAreCIntegersAndThoseOutOfRangeAreSkippedUnopened)
{
    LogSink sink;
    EXPECT_EQ(Load(HEADER + "SetGraphic 2 gone.bmp\nSetGraphic 0x1 b.bmp\nSetGraphic -01 empty.bmp\n"
                            "SetGraphic 010 gone.bmp\nSetGraphic -2 gone.bmp\nSetGraphic 99999999999 gone.bmp\n"),
              "EB");
    EXPECT_FALSE(sink.Contains("loading sprite gone.bmp"));
}

TEST_F(GraphicsScript, ASlotNamedTwiceOrAMissingPictureFailsAndKeepsWhatWasAttached)
{
    EXPECT_EQ(Load(HEADER + "SetGraphic 1 b.bmp\nSetGraphic 0 a.bmp\nSetGraphic 0 b.bmp\nSetGraphic -1 empty.bmp", false),
              "AB");
    LogSink sink;
    EXPECT_EQ(Load(HEADER + "SetGraphic 1 b.bmp\nSetGraphic 0 gone.bmp\n", false), "B");
    EXPECT_EQ(sink.LevelOf("loading sprite gone.bmp"), 1);
}

TEST_F(GraphicsScript, OnlyTheExactHeaderIsAcceptedAndAWrongOneIsPrinted)
{
    const std::string longLine(150, 'k');
    const std::string headers[] = {"mbkloadgraphicsscriptfile\n", "MBKLoadGraphicsScriptFile \n",
                                   "MBKLoadGraphicsScriptFile", "", longLine};
    for (const std::string& header : headers) {
        ::testing::internal::CaptureStdout();
        const bool lineEnd = !header.empty() && header.back() == '\n';
        EXPECT_EQ(Load(header + (lineEnd ? "SetGraphic 0 a.bmp\n" : ""), false), "");
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), header.substr(0, 99) + "\n");
    }
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(LoadGraphicsScriptFile("no/such/script.txt", &engine));
    EXPECT_FALSE(LoadGraphicsScriptFile("graphic.txt", nullptr));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    UnloadGraphics(nullptr);
}

TEST_F(GraphicsScript, OverLongTokensFailTheLoad)
{
    const std::string longText(150, 'k');
    EXPECT_EQ(Load(HEADER + longText + " 0 a.bmp\nSetGraphic 0 a.bmp\n", false), "");
    EXPECT_EQ(Load(HEADER + "SetGraphic 0 " + longText + ".bmp\n", false), "");
    EXPECT_EQ(Load(HEADER + "SetGraphic " + std::string(120, '0') + " a.bmp\n", false), "");
    const std::string longest = std::string(95, 'n') + ".bmp";  // 99 characters fit
    WritePicture(longest, 22, 22, 0x00FF00);
    EXPECT_EQ(Load(HEADER + "SetGraphic 1 " + longest), "B");
}
