// The installable site's service worker: keeps the page, its manifest and
// icons at the first visit, so the page opens again with the network off.
// Everything is answered from what was kept. site.js writes the build's hash
// into the cache's name and the list of files below, so each build keeps its
// files under a name of its own and a new build's worker drops the old ones:
// a student is never served a mix of two builds.
'use strict';
const kCache = 'ruvex3d-@VERSION@';
const kFiles = JSON.parse('@FILES@');

// Each file is fetched from the server, never from the browser's HTTP cache:
// a cache that may keep files for a day would otherwise hand the new worker
// the old build's page.
const fromServer = (file) => new Request(file, { cache: 'reload' });

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles.map(fromServer))).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    const old = (names) => names.filter((name) => name.startsWith('ruvex3d-') && name !== kCache);
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(old(names).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.open(kCache)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((kept) => kept || fetch(event.request)));
});
