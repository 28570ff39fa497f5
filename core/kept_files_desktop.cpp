// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/kept_files_edge.h"

#include <cstdlib>

// The working directory is the disk; what is written and synced there is kept.
void OpenKeptFiles() {}

void KeepFiles() {}

void EndProgram(int status)
{
    exit(status);
}
