// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/version.h"

#include "media/text_engine.h"

void DrawVersion()
{
    gWhiteFont.PutStringF(VERSION_X, VERSION_Y, "V%s", GAME_VERSION);
}
