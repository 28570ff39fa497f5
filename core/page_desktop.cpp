// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/page_edge.h"

// The desktop game's window has no page around it.
void ShowPageControls(PageControls) {}

void ShowPageText(const char*) {}

void ShowPageComputerSide(int, bool) {}
