// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/kept_files_edge.h"

#include <cstdlib>

// The working directory is the disk; what is written and synced there is kept. Every run reads
// the highscore list afresh before it adds a result, and a save replaces the file whole.
void OpenKeptFiles(const char*) {}

KeptUpdate::KeptUpdate() = default;

KeptUpdate::~KeptUpdate() = default;

bool KeptUpdate::KeepFiles()
{
    open = false;
    return true;
}

void EndProgram(int status)
{
    exit(status);
}
