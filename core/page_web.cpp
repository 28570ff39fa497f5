// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/page_edge.h"

#include <emscripten.h>

// The page's touch controls (web/touch.js) listen on Module; a page without them ignores both.
// clang-format off
EM_JS(void, TellPageControls, (int controls), {
    if (Module['showControls']) Module['showControls'](controls);
});
EM_JS(void, TellPageText, (const char* text), {
    if (Module['showText']) Module['showText'](UTF8ToString(text));
});
EM_JS(void, TellPageComputerSide, (int side, int computer), {
    if (Module['hideSide']) Module['hideSide'](side ? 'right' : 'left', !!computer);
});
// clang-format on

void ShowPageControls(PageControls controls)
{
    TellPageControls(controls);
}

void ShowPageText(const char* text)
{
    TellPageText(text);
}

void ShowPageComputerSide(int side, bool computer)
{
    TellPageComputerSide(side, computer);
}
