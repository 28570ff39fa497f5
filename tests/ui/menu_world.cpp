#include "tests/ui/menu_world.h"

#include "app/globals.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"
#include "ui/button.h"
#include "ui/pointer.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

static void PutLittleEndian(std::string& out, Uint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A tenth of a second of 16-bit mono silence as a plain PCM wave file.
static void WriteWave(const std::string& name)
{
    const Uint32 rate = 22050, dataBytes = rate / 10 * 2;
    std::string wave = "RIFF";
    PutLittleEndian(wave, 36 + dataBytes, 4);
    wave += "WAVEfmt ";
    PutLittleEndian(wave, 16, 4);
    PutLittleEndian(wave, 1, 2);  // PCM
    PutLittleEndian(wave, 1, 2);  // mono
    PutLittleEndian(wave, rate, 4);
    PutLittleEndian(wave, rate * 2, 4);
    PutLittleEndian(wave, 2, 2);
    PutLittleEndian(wave, 16, 2);
    wave += "data";
    PutLittleEndian(wave, dataBytes, 4);
    wave.append(dataBytes, '\0');
    WriteTextFile(name, wave);
}

static void WriteButtonPictures(const char* name, int w, int h)
{
    std::string base = std::string("data/grafik/") + name;
    WritePicture(base + ".jpg", w, h, LOOK_NORMAL);
    WritePicture(base + "_a.jpg", w, h, LOOK_HOVER);
}

void StartMenuWorld()
{
    StartHeadlessEngine();
    if (gWhiteFont.surface)
        return;
    ASSERT_EQ(unlink("data"), 0);  // the link to the game's data
    for (const char* dir : {"data", "data/grafik", "data/sound"})
        ASSERT_EQ(mkdir(dir, 0755), 0);
    WriteButtonPictures("menu_startgame", 242, 50);
    WriteButtonPictures("menu_startchallenge", 311, 58);
    WriteButtonPictures("menu_options", 163, 52);
    WriteButtonPictures("menu_info", 113, 42);
    WriteButtonPictures("menu_quit", 105, 51);
    WritePicture("data/grafik/menu_top.jpg", 300, 100, 0x0000AA);
    WritePicture("data/grafik/mouse.bmp", 12, 12, 0xFF00FF, 0xFFFFFF, 6);
    WritePicture("data/grafik/back.jpg", 90, 40, LOOK_NORMAL);
    WritePicture("data/grafik/sndon.jpg", 50, 50, LOOK_SOUND_ON);
    WritePicture("data/grafik/sndoff.jpg", 50, 50, LOOK_SOUND_OFF);
    WriteWave("data/sound/stonedown.wav");
    WriteFontPicture("data/grafik/font.bmp", 64, 10, {{0, 1}, {8, 1}, {16, 1}, {24, 1}});
    ASSERT_TRUE(gWhiteFont.LoadFont("data/grafik/font.bmp"));
}

static int mouseX, mouseY;
static Uint8 mouseButtons;

static Uint8 ReadFakeMouse(int* x, int* y)
{
    *x = mouseX;
    *y = mouseY;
    return mouseButtons;
}

FakeMouse::FakeMouse()
{
    mouseX = mouseY = 0;
    mouseButtons = 0;
    SetMouseStateSource(ReadFakeMouse);
}

FakeMouse::~FakeMouse()
{
    SetMouseStateSource(nullptr);
}

void FakeMouse::Move(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

void FakeMouse::Hold(Uint8 sdlMask)
{
    mouseButtons = sdlMask;
}

static HoverSounds* hoverSounds = nullptr;

static bool CountHoverSound(SoundStream&)
{
    ++hoverSounds->plays;
    return !hoverSounds->fail;
}

HoverSounds::HoverSounds()
{
    hoverSounds = this;
    SetHoverSoundPlay(CountHoverSound);
}

HoverSounds::~HoverSounds()
{
    SetHoverSoundPlay(nullptr);
    hoverSounds = nullptr;
}
