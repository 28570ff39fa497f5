#include "game/graphics_script.h"

#include "game/tumblo_engine.h"
#include "media/sprite.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

static const std::string HEADER = "MBKLoadGraphicsScriptFile\n";

// A started engine and three small pictures in the working directory.
class GraphicsScript : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        WritePicture("empty.bmp", 22, 22, 0x202020);
        WritePicture("a.bmp", 22, 22, 0xFF0000);
        WritePicture("b.bmp", 22, 22, 0x0000FF);
        ASSERT_TRUE(engine.Init(400));
    }
    void TearDown() override { UnloadGraphics(&engine); }

    bool Load(const std::string& script)
    {
        WriteTextFile("graphic.txt", script);
        return LoadGraphicsScriptFile("graphic.txt", &engine);
    }
    int Filled() const { return !!engine.GetGraphic(-1) + !!engine.GetGraphic(0) + !!engine.GetGraphic(1); }

    TumbloEngine engine;
};

TEST_F(GraphicsScript, EveryRecordIsAppliedUpToTheLastWithOrWithoutALineEnd)
{
    const std::string records = "SetGraphic -1 empty.bmp\n\n  SetGraphic 0 a.bmp\nSetGraphic 1 b.bmp";
    ASSERT_TRUE(Load(HEADER + records));
    ASSERT_EQ(Filled(), 3);
    EXPECT_EQ(engine.GetGraphic(1)->rect.w, 22);
    UnloadGraphics(&engine);
    EXPECT_EQ(Filled(), 0);

    ASSERT_TRUE(Load(HEADER + records + "\n\n"));
    EXPECT_EQ(Filled(), 3);
    UnloadGraphics(&engine);
    ASSERT_TRUE(Load(HEADER + records + "\n# end\n"));
    EXPECT_EQ(Filled(), 3);
    UnloadGraphics(&engine);
    ASSERT_TRUE(Load(HEADER));
    EXPECT_EQ(Filled(), 0);
}

TEST_F(GraphicsScript, OtherKeywordsSkipOnlyTheirOwnLine)
{
    ASSERT_TRUE(Load(HEADER + "Comment 0 b.bmp\nSetGraphic 0 a.bmp\n"
                              "# a comment of words\nSetGraphic 1 b.bmp\n"
                              "Note\nSetGraphic -1 empty.bmp\n"));
    EXPECT_EQ(Filled(), 3);
}

TEST_F(GraphicsScript, SlotsAreReadAsCIntegersAndThoseOutOfRangeSkippedUnopened)
{
    LogSink sink;
    ASSERT_TRUE(Load(HEADER + "SetGraphic 2 missing.bmp\nSetGraphic 0x1 b.bmp\n"
                              "SetGraphic -01 empty.bmp\nSetGraphic 010 missing.bmp\n"
                              "SetGraphic -2 missing.bmp\nSetGraphic 99999999999999 missing.bmp\n"));
    EXPECT_NE(engine.GetGraphic(1), nullptr);
    EXPECT_NE(engine.GetGraphic(-1), nullptr);
    EXPECT_EQ(engine.GetGraphic(0), nullptr);
    EXPECT_FALSE(sink.Contains("loading sprite missing.bmp"));
}

TEST_F(GraphicsScript, ASlotNamedTwiceOrAMissingPictureFailsAndKeepsWhatWasAttached)
{
    EXPECT_FALSE(Load(HEADER + "SetGraphic 1 b.bmp\nSetGraphic 0 a.bmp\nSetGraphic 0 b.bmp\nSetGraphic -1 empty.bmp\n"));
    EXPECT_NE(engine.GetGraphic(0), nullptr);
    EXPECT_NE(engine.GetGraphic(1), nullptr);
    EXPECT_EQ(engine.GetGraphic(-1), nullptr) << "nothing after the failure";
    UnloadGraphics(&engine);

    LogSink sink;
    EXPECT_FALSE(Load(HEADER + "SetGraphic 1 b.bmp\nSetGraphic 0 gone.bmp\n"));
    EXPECT_EQ(sink.LevelOf("loading sprite gone.bmp"), 1);
    EXPECT_NE(engine.GetGraphic(1), nullptr);
}

TEST_F(GraphicsScript, OnlyTheExactHeaderIsAcceptedAndAWrongOneIsPrinted)
{
    const std::string records = "SetGraphic 0 a.bmp\n";
    const std::pair<std::string, std::string> wrongScripts[] = {
        {"mbkloadgraphicsscriptfile\n" + records, "mbkloadgraphicsscriptfile\n\n"},
        {"MBKLoadGraphicsScriptFile \n" + records, "MBKLoadGraphicsScriptFile \n\n"},
        {"MBKLoadGraphicsScriptFile", "MBKLoadGraphicsScriptFile\n"},
        {"", "\n"},
    };
    for (const auto& [script, printed] : wrongScripts) {
        ::testing::internal::CaptureStdout();
        EXPECT_FALSE(Load(script));
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), printed);
        EXPECT_EQ(Filled(), 0);
    }

    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(LoadGraphicsScriptFile("no/such/script.txt", &engine));
    WriteTextFile("good.txt", HEADER + records);
    EXPECT_FALSE(LoadGraphicsScriptFile("good.txt", nullptr));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    UnloadGraphics(nullptr);
}

TEST_F(GraphicsScript, OverLongTextFailsTheLoadSafely)
{
    const std::string longText(150, 'k');
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(Load(longText + "\n" + "SetGraphic 0 a.bmp\n"));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), longText.substr(0, 99) + "\n");

    EXPECT_FALSE(Load(HEADER + longText + " 0 a.bmp\nSetGraphic 0 a.bmp\n"));
    EXPECT_FALSE(Load(HEADER + "SetGraphic 0 " + longText + ".bmp\n"));
    EXPECT_FALSE(Load(HEADER + "SetGraphic " + std::string(120, '0') + " a.bmp\n"));
    EXPECT_EQ(Filled(), 0);

    const std::string longest = std::string(95, 'n') + ".bmp";  // 99 characters fit
    WritePicture(longest, 22, 22, 0x00FF00);
    EXPECT_TRUE(Load(HEADER + "SetGraphic 0 " + longest));
    EXPECT_NE(engine.GetGraphic(0), nullptr);
}
