// The installable site's service worker: keeps the page, its manifest and
// icons at the first visit, so the page opens again with the network off.
// Everything is answered from what was kept; a new version of the site
// (another @VERSION@, written by site.js) keeps its files anew and drops the
// old ones.
'use strict';
const kCache = 'ruvex3d-@VERSION@';
const kFiles = JSON.parse('@FILES@');

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
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
