// SPDX-License-Identifier: MIT
// The studio offline: its own files, kept in a cache named for this version of the list, served from
// the cache first. A new version of this file brings a new cache and drops the old ones.
const CACHE = 'matchmaker-studio-1';
const FILES = [
    '.',
    'index.html',
    'studio.css',
    'studio-page.js',
    'quizwasm-engine.js',
    'quizwasm-binary.js',
    'quizwasm.js',
    'kit-page.js',
    'kit-media.js',
    'try.html',
    'try.js',
    'player/engine.js',
    'player/texts.js',
    'player/view.js',
    'player/banner.js',
    'player/switches.js',
    'player/picture.js',
    'player/controller.js',
    'player/style.css',
    'manifest.webmanifest',
    'icon-192.png',
    'icon-512.png',
];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) =>
                Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))),
            ),
    );
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET' || new URL(event.request.url).origin !== location.origin) return;
    event.respondWith(caches.match(event.request).then((cached) => cached || fetch(event.request)));
});
