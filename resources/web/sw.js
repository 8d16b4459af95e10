// Keeps Korvanel's own files, and nothing else, so that after one visit the
// program starts with no network. A new build has a new name for its store;
// the old one goes once the new one is ready.
const STORE = "korvanel-@KORVANEL_SITE_VERSION@";
const FILES = [@KORVANEL_SITE_FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(STORE).then((store) => store.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name !== STORE).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(STORE)
      .then((store) => store.match(request, {ignoreSearch: true}))
      .then((kept) => kept || fetch(request)));
});
