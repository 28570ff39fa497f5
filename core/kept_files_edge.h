// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_KEPT_FILES_EDGE_H
#define KOLVO_CORE_KEPT_FILES_EDGE_H

// Where the game's working directory (data/, the log, the highscore list) is kept between runs.
// On the desktop it is a folder on disk, kept as it is written. In a browser the folder lives in
// the page's memory, with the data the page brought reached through a link, and only the player's
// own files are kept, in the browser's IndexedDB. One file per platform (kept_files_desktop.cpp,
// kept_files_web.cpp), chosen by the build.

// Makes the working directory ready before anything is read or written there. The files whose
// names begin with `shared` (the highscore list and its kept damaged copies) are shared by every
// run that may be open at once: in a browser, by every tab of the game, which changes them only
// through a KeptUpdate. Every other file there (the log) is this run's own. In a browser: brings
// back what the browser kept; where it keeps nothing the game plays on, and the page says why.
void OpenKeptFiles(const char* shared);

// One change of the shared files: read, changed and written back with no other run of the game
// changing them in between. Begun by its construction, which in a browser waits until no other tab
// is in an update and then brings the shared files as kept now into the working directory; ended
// by KeepFiles or, where that is not called, by the destruction, which keeps nothing.
class KeptUpdate {
public:
    KeptUpdate();
    ~KeptUpdate();
    KeptUpdate(const KeptUpdate&) = delete;
    KeptUpdate& operator=(const KeptUpdate&) = delete;

    // Returns once what was written to the working directory is kept for good, and ends the
    // update. False when it could not be kept (in a browser: no storage, a full one, an error; the
    // page then says so); the files stay as written for this run. In a browser the other tabs are
    // told that the shared files changed, and read them again.
    bool KeepFiles();

private:
    bool open = true;
};

// Ends the program with `status` as returning from main does: the process-wide objects are
// destroyed, so the log gets its footer. In a browser the program ends so even while the page's
// sound timers would keep it running, and the page then keeps the files.
[[noreturn]] void EndProgram(int status);

#endif
