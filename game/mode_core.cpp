// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/mode_core.h"

#include "core/engine.h"
#include "core/frame_look.h"
#include "core/ticks.h"
#include "game/sidebar.h"
#include "media/text_engine.h"

#include <algorithm>

static const char MODE_GRAPHICS_SCRIPT[] = "data/grafik/graphic.txt";

static void LogLine(const char* line)
{
    if (line)
        gEngine.Log(2, "%s", line);
}

ModeCore::ModeCore(const ModeRules& rules) : rules(rules)
{
    for (int i = 0; i < rules.playerCount; ++i)
        players[i].side = &rules.sides[i];
}

bool ModeCore::StartPlayfields()
{
    for (int i = 0; i < rules.playerCount; ++i)
        if (!players[i].playfield.Init(rules.startSpeed))
            return Fail("%s", players[i].side->initFailed);
    LogLine(rules.ready);
    return true;
}

// The script is read once, before the first playfield borrows its pictures; every other
// playfield borrows the same.
bool ModeCore::LoadPictures()
{
    for (int i = 0; i < rules.playerCount; ++i) {
        LogLine(players[i].side->lendLine);
        if (i == 0 && !LoadGraphicsScriptFile(MODE_GRAPHICS_SCRIPT, pictures))
            return Fail("%s", rules.picturesFailed);
        pictures.LendTo(players[i].playfield);
        LogLine(players[i].side->lentLine);
    }
    return true;
}

bool ModeCore::SetUp()
{
    if (!StartPlayfields())
        return false;
    if (!OpenModeSounds(landingSound, lineSound, loseSound, highscoreSound))
        return Fail("Load Tumblo Sound failed!");
    for (int i = 0; i < rules.playerCount; ++i) {
        players[i].playfield.SetSound(SOUND_STONE_DOWN, &landingSound);
        players[i].playfield.SetSound(SOUND_ROWS_CLEARED, &lineSound);
    }
    gEngine.Log(2, "Tumblo Sound loaded!");
    if (!LoadPictures())
        return false;
    LogLine(rules.enterLoop);
    const Uint32 now = Ticks();
    pauseMusicKeys.Start(now);
    clock.Start(now);
    for (int i = 0; i < rules.playerCount; ++i)
        players[i].sign.Start(now);
    ReportSetUp(&players[0].playfield, rules.playerCount > 1 ? &players[1].playfield : nullptr);
    return true;
}

// The keys are read before anything moves, so that every player's keys belong to one instant; the
// computer's are held as a person's are, from what its playfield shows now.
bool ModeCore::StepPlay()
{
    Uint32 keyBits[MODE_MAX_PLAYERS] = {};
    for (int i = 0; i < rules.playerCount; ++i)
        keyBits[i] = players[i].computer ? players[i].computer->Keys(players[i].playfield)
                                         : PlayerKeyBits(players[i].side->controls);
    if (LeaveHeld()) {
        LogLine(rules.leave);
        over = true;
    }
    const bool wasPaused = pauseMusicKeys.Paused();
    pauseMusicKeys.Check(Ticks());
    const bool paused = pauseMusicKeys.Paused();
    // Held up to the very frame that resumes, however long ago the last paused frame was: no
    // paused time is counted.
    if (wasPaused || paused)
        clock.Hold(Ticks());
    if (paused)
        return true;
    for (int i = 0; i < rules.playerCount; ++i)
        if (!StepPlayer(players[i], keyBits[i]))
            return false;
    over |= !clock.Update(Ticks());
    return true;
}

bool ModeCore::StepPlayer(ModePlayer& player, Uint32 keyBits)
{
    if (!player.playfield.Run(keyBits)) {
        if (!player.playfield.IsGameOver())
            return Fail("%s", player.side->runFailed);
        gEngine.Log(2, "%s", player.side->lost);
        over = true;
    }
    player.sign.Catch(player.playfield, Ticks());
    return true;
}

Uint32 ModeCore::QuietFor(Uint32 now) const
{
    Uint32 quiet = pauseMusicKeys.QuietFor(now);
    if (over)
        return 0;
    if (pauseMusicKeys.Paused())
        return quiet;
    for (int i = 0; i < rules.playerCount; ++i) {
        if (players[i].computer)
            return 0;
        quiet =
            std::min({quiet, players[i].playfield.QuietFor(now), players[i].sign.QuietFor(now)});
    }
    return std::min(quiet, clock.QuietFor(now));
}

void ModeCore::HandOver(int player, ComputerPlayer* computer)
{
    players[player].computer = computer;
    if (computer)
        computer->Forget();
}

void ModeCore::AddLook(FrameLook& look) const
{
    const Uint32 now = Ticks();
    for (int i = 0; i < rules.playerCount; ++i) {
        players[i].playfield.AddLook(look);
        look.Add(ComputerPlays(i));
        look.Add(players[i].playfield.IsGameOver());
        players[i].sign.AddLook(look, now);
    }
    clock.AddLook(look);
    look.Add(pauseMusicKeys.Paused());
}

void ModeCore::DrawMessage(const ModePlayer& player, const char* text)
{
    const ModeSide& side = *player.side;
    if (text)
        gOrangeFont.PutString(side.messageX, side.messageY, text);
    else if (pauseMusicKeys.Paused())
        gOrangeFont.PutString(side.messageX, side.messageY, "Paused");
    else
        player.sign.Draw(side.messageX, side.messageY, Ticks());
}

bool ModeCore::Draw(int level, const char* const* texts)
{
    for (int i = 0; i < rules.playerCount; ++i)
        if (!players[i].playfield.Draw(players[i].side->fieldX, players[i].side->fieldY))
            return Fail("%s", players[i].side->drawFailed);
    for (int i = 0; i < rules.playerCount; ++i)
        DrawMessage(players[i], texts ? texts[i] : nullptr);
    clock.Draw(rules.clockX, rules.clockY);
    for (int i = 0; i < rules.playerCount; ++i) {
        const ModeSide& side = *players[i].side;
        if (!DrawSidebar(side.sidebarX, side.sidebarY, level, players[i].playfield, gWhiteFont))
            return Fail("%s", side.sidebarFailed);
    }
    return true;
}

void ModeCore::Release()
{
    gEngine.Log(2, "Release Point reached!");
    pictures.Unload();
    LogLine(rules.picturesUnloaded);
    landingSound.Stop();
    lineSound.Stop();
    highscoreSound.Stop();
    loseSound.Stop();
    LogLine(rules.soundsUnloaded);
    for (int i = 0; i < rules.playerCount; ++i)
        players[i].playfield.Reset();
    LogLine(rules.resetDone);
}
