// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_KEPT_FILES_EDGE_H
#define KOLVO_CORE_KEPT_FILES_EDGE_H

// Where the game's working directory (data/, the log, the highscore list) is kept between runs.
// On the desktop it is a folder on disk, kept as it is written. In a browser it lives in the page's
// memory and is kept in the browser's IndexedDB, written back when asked. One file per platform
// (kept_files_desktop.cpp, kept_files_web.cpp), chosen by the build.

// Makes the working directory ready before anything is read or written there. In a browser: brings
// back what the browser kept and puts the data that came with the page beside it.
void OpenKeptFiles();

// Returns once what was written to the working directory is kept for good. A save of the
// highscore list calls it before the game goes on.
void KeepFiles();

// Ends the program with `status` as returning from main does: the process-wide objects are
// destroyed, so the log gets its footer. In a browser the program ends so even while the page's
// sound timers would keep it running, and the page then keeps the files.
[[noreturn]] void EndProgram(int status);

#endif
