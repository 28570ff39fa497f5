// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_HIGHSCORE_NAME_ENTRY_H
#define KOLVO_HIGHSCORE_NAME_ENTRY_H

#include <cstddef>

// The most characters the name entry takes: exactly what a stored name field holds beside its zero.
constexpr unsigned NAME_ENTRY_MAX_LENGTH = 19;

// Runs the name entry screen under the prompt until Return confirms the name, the window is closed
// or a step fails; true only for a confirmed name. Whenever the screen ran, the typed text (maybe
// empty) has been copied into name, cut to capacity - 1 characters and zero-terminated.
bool GetName(const char* prompt, char* name, size_t capacity);

#endif
