// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "app/program.h"
#include "core/kept_files_edge.h"

int main(int argc, char** argv)
{
    OpenKeptFiles();
    EndProgram(KolvoMain(argc, argv));
}
