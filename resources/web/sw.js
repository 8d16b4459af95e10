// Keeps Korvanel's own files, and nothing else, so that after one visit the
// program starts with no network. Each build has a store of its own, the old
// one going once the new one is complete. A new store is filled with what
// the host holds now, asked past the browser's HTTP cache (which a host's
// max-age, or a Last-Modified header alone, would let answer with the build
// before), and each file must have the digest this build gave it: else the
// new worker is not installed, the old one stays with its store, and the
// next visit tries again. So a store never mixes two builds.
const STORE = "korvanel-@KORVANEL_SITE_VERSION@";
const FILES = {
  @KORVANEL_SITE_FILES@
};

async function digestOf(response) {
  const digest = await crypto.subtle.digest("SHA-256", await response.clone().arrayBuffer());
  return [...new Uint8Array(digest)].map((byte) => byte.toString(16).padStart(2, "0")).join("");
}

// The host is asked whether the browser's copy is still current, which
// costs nothing when it is; a copy the host wrongly calls current is fetched
// whole.
async function fetchOfThisBuild(file) {
  for (const cache of ["no-cache", "reload"]) {
    const response = await fetch(file, { cache });
    if (response.ok && (await digestOf(response)) === FILES[file]) return response;
  }
  throw new Error(`${file} on the host is not of this build`);
}

// A file kept under two names (the page, as "./" and "index.html") is
// fetched once.
async function fillStore() {
  const fetched = new Map();
  for (const [file, digest] of Object.entries(FILES)) {
    if (!fetched.has(digest)) fetched.set(digest, fetchOfThisBuild(file));
  }
  const responses = await Promise.all(Object.values(FILES).map((digest) => fetched.get(digest)));
  const store = await caches.open(STORE);
  await Promise.all(Object.keys(FILES).map((file, k) => store.put(file, responses[k].clone())));
}

self.addEventListener("install", (event) => {
  event.waitUntil(fillStore()
    .catch((error) => caches.delete(STORE).then(() => { throw error; }))
    .then(() => self.skipWaiting()));
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
