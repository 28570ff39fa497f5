#include "highscore/highscore_screen.h"

#include "core/engine.h"
#include "media/text_engine.h"
#include "tests/highscore/highscore_test_support.h"
#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"

#include <gtest/gtest.h>

constexpr int ROW_BAND = 10;  // the pattern font's height

static int RowY(int row)
{
    return 70 + 30 * (row - 1);
}

// What a row shows when its cells read these texts; an empty text leaves its cell blank.
static std::vector<Uint32> ExpectedRow(int row, std::vector<const char*> cells)
{
    const int columns[] = {10, 180, 340, 540};
    return Rendered([&]() {
        for (size_t i = 0; i < cells.size(); ++i)
            gWhiteFont.PutString(columns[i], RowY(row), cells[i]);
    }, 0, RowY(row), SCREEN_WIDTH, ROW_BAND);
}

// Shows the screen in a fresh directory holding the records (none: no file) and keeps rows 1 to
// 10 of its first frame.
static std::vector<std::vector<Uint32>> ShowAndCapture(const std::string& records, const std::function<void(int)>& step)
{
    EnterFreshDirectory();
    EXPECT_TRUE(gWhiteFont.LoadFont("data/grafik/font.bmp"));
    if (!records.empty())
        RunFormatTool("encode highscore.txt 1 2" + records);
    std::vector<std::vector<Uint32>> rows;
    FrameScript script([&](int frame) {
        for (int row = 1; frame == 0 && row <= 10; ++row)
            rows.push_back(CaptureScreen(0, RowY(row), SCREEN_WIDTH, ROW_BAND));
        step(frame);
    });
    EXPECT_TRUE(ShowHighscore());
    return rows;
}

TEST(HighscoreScreen, ShowsTheTenBestAndWaitsOutAKeyHeldFromBefore)
{
    std::string records = " A:1500:7:65:0 B:1400:6:59:0 C:1300:5:61:0";
    for (int points = 1200; points >= 100; points -= 100)
        records += " P" + std::to_string(points) + ":" + std::to_string(points) + ":1:600:0";
    FakeClock clock;
    const Uint32 opened = clock.Now();
    HoldKey(SDLK_RETURN);
    Uint32 lastFrame = 0, leftAt = 0;
    LogSink log;
    auto rows = ShowAndCapture(records, [&](int) {
        lastFrame = leftAt, leftAt = clock.Now();
        clock.Advance(16);  // a menu-style frame's time
    });
    ReleaseAllKeys();
    EXPECT_EQ(log.Count("User exits!"), 1);
    EXPECT_LE(lastFrame - opened, 500u + 16) << "the held Return waited out the guard";
    EXPECT_GT(leftAt - opened, 500u);
    EXPECT_TRUE(log.InOrder({"Highscore called...", "Load file...", "Load done!", "Enter inner mainloop..."}));

    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], ExpectedRow(1, {"A", "7", "1:5", "1500"}));
    EXPECT_EQ(rows[1], ExpectedRow(2, {"B", "6", "0:59", "1400"}));
    EXPECT_EQ(rows[2], ExpectedRow(3, {"C", "5", "1:1", "1300"}));
    EXPECT_EQ(rows[9], ExpectedRow(10, {"P600", "1", "10:0", "600"}));
}
