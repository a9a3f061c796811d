// The installable site's service worker: keeps the build's files at the
// first visit, so the page opens again with the network off. Everything is
// answered from what was kept. site.js writes the build's hash into the
// cache's name and the lists of files below, so each build keeps its files
// under a name of its own and a new build's worker drops the old ones: a
// student is never served a mix of two builds.
'use strict';
const kCache = 'ruvex3d-@VERSION@';
// The page and its manifest, whose names stay from build to build.
const kFixed = JSON.parse('@FIXED@');
// The files whose names carry their content's hash.
const kHashed = JSON.parse('@HASHED@');

// A fixed name is checked with the server, never taken unchecked from the
// browser's HTTP cache: a cache that may keep files for a day would otherwise
// hand the new worker the old build's page. Checked, an unchanged file comes
// back as "not modified", without its bytes. A hashed name's content never
// changes, so whatever the HTTP cache holds under it (the first visit's
// download) is it.
//
// The page is asked for at the site's address, as the browser opened it (so
// the check finds it unchanged in the HTTP cache) and as the installed app
// starts, and kept under its name too: one download.
const kPage = 'index.html';
const askedAs = (file) => (file === kPage ? './' : file);
const requests = () => [...kFixed.map((file) => new Request(askedAs(file), { cache: 'no-cache' })), ...kHashed];

async function keepBuild() {
    const cache = await caches.open(kCache);
    await cache.addAll(requests());
    await cache.put(kPage, await cache.match('./'));
}

self.addEventListener('install', (event) => {
    event.waitUntil(keepBuild().then(() => self.skipWaiting()));
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
