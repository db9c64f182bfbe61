// The site's worker: it keeps the site's files for use offline after the
// first visit. Its cache is named by the files' content hash, which the
// build writes into this file, so that an upload of a new version is a new
// worker: the browser installs it at the next visit, and it takes over at
// once and drops the old version's cache.
'use strict';

const version = '@VERSION@';
const files = '@FILES@';
// Named by the worker's scope too, so that two copies of the site on one
// host keep their own.
const prefix = `angular-frequency ${self.registration.scope} `;
const cacheName = prefix + version;

self.addEventListener('install', (event) => {
  // Past the browser's own cache, which may still hold the old files. The
  // folder's own address is kept where the server gives index.html for it.
  const request = (file) => new Request(file, { cache: 'reload' });
  event.waitUntil(caches.open(cacheName)
    .then((cache) => cache.addAll(files.map(request)).then(() => cache.add(request('./')).catch(() => {})))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(prefix) && name !== cacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The site's files from the cache, whatever the query (a lesson's setup,
// ?r1=5, is the same page); anything else from the network as usual.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(request)));
});
