// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "app/program.h"
#include "core/kept_files_edge.h"
#include "highscore/highscore_list.h"

int main(int argc, char** argv)
{
    OpenKeptFiles(HIGHSCORE_FILE);  // the list and its damaged copies
    EndProgram(KolvoMain(argc, argv));
}
