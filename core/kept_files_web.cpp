// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/kept_files_edge.h"

#include <emscripten.h>

// The page brings the game's data preloaded under /data. The working directory is /kolvo, an
// IndexedDB folder: what the browser kept from earlier visits comes back first, then the page's
// data is copied in where it differs, so a newer page never plays with older data. Where the
// browser keeps nothing (a private window, say) the game still plays, with files for this visit.
// clang-format off
EM_ASYNC_JS(void, OpenKeptFolder, (), {
    var folder = '/kolvo';
    FS.mkdir(folder);
    FS.mount(IDBFS, {}, folder);
    await new Promise(function(done) {
        FS.syncfs(true, function(error) {
            if (error) console.warn('Kolvo: the browser kept no files: ' + error);
            done();
        });
    });
    function same(a, b) {
        if (!b || a.length !== b.length) return false;
        for (var i = 0; i < a.length; ++i)
            if (a[i] !== b[i]) return false;
        return true;
    }
    function copy(from, to) {
        if (!FS.analyzePath(to).exists) FS.mkdir(to);
        FS.readdir(from).forEach(function(name) {
            if (name === '.' || name === '..') return;
            var source = from + '/' + name, target = to + '/' + name;
            if (FS.isDir(FS.stat(source).mode)) return copy(source, target);
            var bytes = FS.readFile(source);
            var kept = FS.analyzePath(target).exists ? FS.readFile(target) : null;
            if (!same(bytes, kept)) FS.writeFile(target, bytes);
        });
    }
    copy('/data', folder + '/data');
    FS.chdir(folder);
});

EM_ASYNC_JS(void, SyncKeptFolder, (), {
    await new Promise(function(done) {
        FS.syncfs(false, function(error) {
            if (error) console.warn('Kolvo: the browser did not keep the files: ' + error);
            done();
        });
    });
});
// clang-format on

void OpenKeptFiles()
{
    OpenKeptFolder();
}

void KeepFiles()
{
    SyncKeptFolder();
}

void EndProgram(int status)
{
    emscripten_force_exit(status);
    __builtin_unreachable();
}
