// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook
// The page's service worker: it keeps every file of the page in a cache named after the build, so
// the game opens and plays with no network, and serves them from there. The build (page_files.py)
// writes the build's name and the files in place of the two marks below; a page served anew
// brings a service worker that differs, which the browser installs beside the old one: it fetches
// the new files past the browser's HTTP cache, takes over at once and drops the older caches, and
// the next load is the new version. The game's own files (the highscore list, the log) are in
// IndexedDB, which this never touches.
'use strict';
var CACHE = 'kolvo-@BUILD@';
var FILES = @FILES@;

self.addEventListener('install', function(event) {
  event.waitUntil(caches.open(CACHE).then(function(cache) {
    return cache.addAll(FILES.map(function(file) { return new Request(file, {cache: 'reload'}); }));
  }).then(function() { return self.skipWaiting(); }));
});

self.addEventListener('activate', function(event) {
  event.waitUntil(caches.keys().then(function(names) {
    return Promise.all(names.filter(function(name) {
      return name.indexOf('kolvo-') === 0 && name !== CACHE;
    }).map(function(name) { return caches.delete(name); }));
  }).then(function() { return self.clients.claim(); }));
});

self.addEventListener('fetch', function(event) {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE).then(function(cache) {
    return cache.match(event.request, {ignoreSearch: true}).then(function(kept) {
      return kept || fetch(event.request);
    });
  }));
});
