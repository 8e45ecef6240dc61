// Keeps the page's files, so that once the page has been opened the game starts with no
// network. Each build is kept whole under its own name: the page never mixes the script of
// one build with the program of another, and a new build, found when the browser checks
// this file on a visit, is fetched whole and starts at the next opening.
'use strict';

const BUILD = 'stonewick-@SITE_VERSION@';
const FILES = ['./', @SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(BUILD)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('stonewick-') &&
                                                        name !== BUILD)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's own files from the build's copy (an address with a query, such as ?record, is
// the same page); anything else from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') {
    return;
  }
  event.respondWith(caches.open(BUILD)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
