// Keeps the page's own files in the browser's cache at the first visit and answers from there,
// so that the page works with no network afterwards. Nothing else is fetched or stored.
const CACHE = "velantra-@VERSION@";
const FILES = [
  "./", "index.html", "style.css", "app.js", "configurator.js", "levers.js", "power.js", "texts.js",
  "texts.json", "velantra-engine.js", "velantra-engine.wasm", "manifest.webmanifest",
  "icons/velantra.svg", "icons/velantra-256.png",
];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

// A new version drops the caches of the old ones.
self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((keys) => Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key))))
      .then(() => self.clients.claim()));
});

// The cached copy first; the network only for what the cache does not hold.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.match(event.request, {ignoreSearch: true}).then((hit) => hit || fetch(event.request)));
});
