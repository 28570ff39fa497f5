// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "app/program.h"

int main(int argc, char** argv)
{
    return KolvoMain(argc, argv);
}
