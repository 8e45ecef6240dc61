// Keeps the page's files, so that once the page has been opened the game starts with no
// network. Each build is kept whole under its own name: the page never mixes the script of
// one build with the program of another. A new build, found when the browser checks this file
// on a visit, is fetched in the background and starts at the next opening; meanwhile the
// kept one serves at once.
'use strict';

const BUILD = 'stonewick-@SITE_VERSION@';
// Each file with the first 64 bits of the SHA-256 of its contents in this build, in
// hexadecimal, ample to tell builds apart; './' is the page.
const FILES = [@SITE_FILES@];

function hex(buffer) {
  return Array.from(new Uint8Array(buffer, 0, 8), (byte) => byte.toString(16).padStart(2, '0'))
    .join('');
}

// A file of this build: the copy the page itself has just fetched when the browser still holds
// it, so that a first visit fetches each file once; from the network when that copy is missing
// or belongs to another build.
async function fetchOfThisBuild(file, sha256) {
  try {
    const held = await fetch(file, { cache: 'force-cache' });
    if (held.ok && hex(await crypto.subtle.digest('SHA-256', await held.clone().arrayBuffer())) ===
                       sha256) {
      return held;
    }
  } catch {
    // Fetched anew below.
  }
  const fetched = await fetch(file, { cache: 'reload' });
  if (!fetched.ok) {
    throw new Error(`${file}: ${fetched.status}`);
  }
  return fetched;
}

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(BUILD)
    .then((cache) => Promise.all(FILES.map((entry) => fetchOfThisBuild(entry[0], entry[1])
      .then((response) => cache.put(entry[0], response)))))
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
// the same page, and so is index.html); anything else from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') {
    return;
  }
  const url = new URL(event.request.url);
  const request = url.pathname === new URL('index.html', self.registration.scope).pathname
      ? './' : event.request;
  event.respondWith(caches.open(BUILD)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
