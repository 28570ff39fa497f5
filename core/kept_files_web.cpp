// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/kept_files_edge.h"

#include <emscripten.h>

// The page brings the game's data preloaded under /data, where it is read: the working directory
// /kolvo lives in the page's memory and reaches it through the link data, so a newer page always
// plays with its own data and none of it is copied or stored. The player's own files are kept in
// IndexedDB, one record a file, in the layout emscripten's IDBFS gave them (database /kolvo, store
// FILE_DATA, keyed by path), so the lists kept by earlier pages are read as they are; the data
// those pages stored there is dropped.
//
// Several tabs of the game may be open at once. Each reads the shared files (the highscore list
// and its damaged copies) while it holds the Web Lock named after them, writes them back in one
// transaction (so a page closed meanwhile leaves the old files or the new ones), lets the lock go
// and tells the other tabs on a BroadcastChannel, which then read them again. The log is each
// tab's own: the kept one is that of the tab that kept its files last.
//
// Where the browser keeps nothing (no IndexedDB, storage blocked or full, an error), the game
// plays on with files for this visit, and the page is told why (Module.onKeptFilesLost).
// clang-format off
EM_ASYNC_JS(void, OpenKeptFolder, (const char* shared), {
    var kept = Module.kolvoKept = {
        folder: '/kolvo', shared: UTF8ToString(shared), db: null, release: null,
        channel: typeof BroadcastChannel == 'function' ? new BroadcastChannel('kolvo') : null
    };
    var STORE = 'FILE_DATA';
    FS.mkdir(kept.folder);
    FS.symlink('/data', kept.folder + '/data');
    FS.chdir(kept.folder);
    function key(name) { return kept.folder + '/' + name; }
    function range(prefix) {
        return IDBKeyRange.bound(key(prefix), key(prefix) + String.fromCharCode(0xffff));
    }
    function finished(request) {
        return new Promise(function(done, failed) {
            request.onsuccess = function() { done(request.result); };
            request.onerror = function() { failed(request.error); };
        });
    }
    function committed(transaction) {
        return new Promise(function(done, failed) {
            transaction.oncomplete = function() { done(); };
            transaction.onabort = function() { failed(transaction.error); };
        });
    }
    kept.fail = function(error) {
        var name = error && error.name ? ' (' + error.name + ')' : "";
        var why = !kept.db ? 'the browser gives this page no storage' + name
            : error && error.name === 'QuotaExceededError' ? "the browser's storage is full"
            : "the browser's storage failed" + name;
        console.warn('Kolvo: results are not being kept in this browser: ' + why);
        if (Module.onKeptFilesLost) Module.onKeptFilesLost(why);
        return false;
    };
    // The folder's files, the shared ones or the tab's own.
    kept.files = function(shared) {
        return FS.readdir('.').filter(function(name) {
            return FS.isFile(FS.lstat(name).mode) && (name.indexOf(kept.shared) === 0) === shared;
        });
    };
    // Brings the kept files whose names begin with prefix into the folder. Whatever fails, early
    // or late, rejects the promise.
    kept.read = function(prefix) {
        return Promise.resolve().then(function() {
            var store = kept.db.transaction(STORE, 'readonly').objectStore(STORE);
            return Promise.all([finished(store.getAllKeys(range(prefix))),
                                finished(store.getAll(range(prefix)))]);
        }).then(function(found) {
            found[0].forEach(function(path, i) {
                var name = path.slice(kept.folder.length + 1);
                if (name.indexOf('/') < 0 && found[1][i].contents)
                    FS.writeFile(name, found[1][i].contents);
            });
        });
    };
    // Writes the files in one transaction: all of them are kept, or none.
    kept.write = function(names) {
        return Promise.resolve().then(function() {
            if (!kept.db) throw null;
            var transaction = kept.db.transaction(STORE, 'readwrite');
            var store = transaction.objectStore(STORE);
            names.forEach(function(name) {
                var stat = FS.stat(name);
                store.put({timestamp: stat.mtime, mode: stat.mode, contents: FS.readFile(name)},
                          key(name));
            });
            return committed(transaction);
        });
    };
    // Runs work, which returns a promise, while no other tab runs its own.
    kept.locked = function(work) {
        return navigator.locks ? navigator.locks.request('kolvo ' + kept.shared, work) : work();
    };
    kept.changed = function() { if (kept.channel) kept.channel.postMessage(kept.shared); };
    if (kept.channel) kept.channel.onmessage = function() {
        kept.locked(function() { return kept.read(kept.shared).catch(function() {}); });
    };
    // The tab's own files, kept when the page is left or hidden and when the program ends.
    Module.keepOwnFiles = function() { kept.write(kept.files(false)).catch(function() {}); };
    // A shared file given by the page (a list loaded through its link), kept as a save keeps it.
    Module.replaceSharedFile = function(name, bytes) {
        return kept.locked(function() {
            FS.writeFile(name, bytes);
            return kept.write([name]).then(function() { kept.changed(); return true; }, kept.fail);
        });
    };
    try {
        var opening = indexedDB.open(kept.folder, 21);
        opening.onupgradeneeded = function() {
            if (!opening.result.objectStoreNames.contains(STORE))
                opening.result.createObjectStore(STORE).createIndex('timestamp', 'timestamp', {unique: false});
        };
        kept.db = await finished(opening);
        var dropping = kept.db.transaction(STORE, 'readwrite');
        dropping.objectStore(STORE).delete(range('data'));
        await committed(dropping);
        await kept.read("");
    } catch (error) {
        kept.db = null;
        kept.fail(error);
    }
});

EM_ASYNC_JS(void, BeginKeptUpdate, (), {
    var kept = Module.kolvoKept;
    await new Promise(function(held) {
        kept.locked(function() {
            return new Promise(function(release) { kept.release = release; held(); });
        }).catch(function() { held(); });
    });
    if (kept.db) await kept.read(kept.shared).catch(function() {});
});

EM_ASYNC_JS(int, EndKeptUpdate, (int keep), {
    var kept = Module.kolvoKept;
    var written = !keep ? false : await kept.write(kept.files(true).concat(kept.files(false)))
        .then(function() { kept.changed(); return true; }, kept.fail);
    if (kept.release) kept.release();
    kept.release = null;
    return written ? 1 : 0;
});
// clang-format on

void OpenKeptFiles(const char* shared)
{
    OpenKeptFolder(shared);
}

KeptUpdate::KeptUpdate()
{
    BeginKeptUpdate();
}

KeptUpdate::~KeptUpdate()
{
    if (open)
        EndKeptUpdate(0);
}

bool KeptUpdate::KeepFiles()
{
    open = false;
    return EndKeptUpdate(1) != 0;
}

void EndProgram(int status)
{
    emscripten_force_exit(status);
    __builtin_unreachable();
}
