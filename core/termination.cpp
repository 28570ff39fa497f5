// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/termination.h"

#include "core/engine.h"

#include <csignal>
#include <cstdlib>

struct TerminationSignalName {
    int signal;
    const char* name;
};
static const TerminationSignalName TERMINATION_SIGNALS[] = {
    {SIGINT, "SIGINT"},
    {SIGTERM, "SIGTERM"},
    {SIGHUP, "SIGHUP"},
};

static volatile sig_atomic_t noted = 0;

static void NoteSignal(int signal)
{
    noted = signal;
}

void CatchTerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = NoteSignal;
    action.sa_flags = SA_RESTART;  // a wait or a read that the signal interrupts simply goes on
    sigemptyset(&action.sa_mask);
    for (const TerminationSignalName& entry : TERMINATION_SIGNALS)
        sigaction(entry.signal, &action, nullptr);
}

void EndOnTerminationSignal()
{
    const int signal = noted;
    if (signal == 0)
        return;
    const char* name = "a signal";
    for (const TerminationSignalName& entry : TERMINATION_SIGNALS)
        if (entry.signal == signal)
            name = entry.name;
    if (freeMain)
        freeMain->Log(1, "Ended by %s - exit", name);
    exit(TERMINATION_STATUS_BASE + signal);
}
