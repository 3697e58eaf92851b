// Registers the site's service worker (service-worker.js, beside this script, so that its
// scope is the whole site), which then answers every return from its copies. The worker
// script is always fetched past the HTTP cache, so that a new build is seen on the next visit.
//
// On a first visit the page has just fetched the program and its folder's list: it hands its
// own answers over (from the HTTP cache, not the network) before the worker installs, which
// keeps those whose bytes are the build's instead of downloading each a second time. On a
// return it asks for a new build in the background; one found is used from the next visit.
// Stores nothing else: no cookie, no local storage.
(function () {
  'use strict';
  if (!('serviceWorker' in navigator) || !window.caches) return;
  const root = new URL('.', document.currentScript.src);
  const cachePrefix = `velmora:${root.pathname}:`; // as the worker names its caches

  // A URL as the worker keys its copies: no query, a folder's page as its index.html.
  function keyOf(url) {
    const key = new URL(url);
    key.search = key.hash = '';
    if (key.pathname.endsWith('/')) key.pathname += 'index.html';
    return key.href;
  }

  // The page's own answer for `url`: the program's WebAssembly and the folder's list as
  // start.js fetched them (WebKit may not have written them to its HTTP cache yet), the rest
  // from the HTTP cache (mode and credentials as start.js asks, which WebKit needs to reuse it).
  async function answerFor(url) {
    const started = typeof VelmoraStart === 'object' ? VelmoraStart : {};
    if (started.wasm && keyOf(url) === new URL('velmora.wasm', root).href)
      return (await started.wasm).clone();
    const list = keyOf(url) === keyOf(new URL('dictionary.txt', location.href)) && await started.wordListBytes;
    if (list) return new Response(list, { headers: { 'Content-Type': 'text/plain' } });
    return fetch(url, { cache: 'force-cache', mode: 'no-cors', credentials: 'include' });
  }

  async function handOver() {
    // The WebAssembly may be still arriving, so not among the resources the page has timed.
    const fetched = [...new Set(performance.getEntriesByType('resource').map((entry) => entry.name)
      .concat(location.href, new URL('velmora.wasm', root).href))].filter((url) => url.startsWith(root.href));
    const [program, lists] = await Promise.all([caches.open(`${cachePrefix}fetched`),
                                                caches.open(`${cachePrefix}lists`)]);
    await Promise.all(fetched.map(async (url) => {
      const response = await answerFor(url);
      const isList = /\/dictionary\.txt$/.test(keyOf(url));
      if (!response.ok && !(isList && response.status === 404)) return;
      // A folder's page and manifest are kept as a list is too, for a folder the build does
      // not list (one a player added).
      const kept = [isList ? null : program, /\/(dictionary\.txt|index\.html|manifest\.webmanifest)$/
        .test(keyOf(url)) ? lists : null].filter(Boolean);
      const copies = kept.map((cache, index) => (index ? response.clone() : response));
      await Promise.all(kept.map((cache, index) => cache.put(keyOf(url), copies[index])));
    }).map((handed) => handed.catch(() => {}))); // the worker fetches what is missing
  }

  // A new build takes over as soon as it is installed. Chromium may leave it waiting instead,
  // when a request reached the old worker as it was handing over; asked again, it takes over.
  // So is every build found while the page is open, whoever looked for it.
  function takeOver(registration) {
    const ask = () => registration.waiting && registration.waiting.postMessage('take over');
    const watch = () => registration.installing && registration.installing.addEventListener('statechange', ask);
    registration.addEventListener('updatefound', watch);
    watch();
    ask();
  }

  function register() {
    const returning = !!navigator.serviceWorker.controller;
    (returning ? Promise.resolve() : handOver())
      .then(() => navigator.serviceWorker.register(new URL('service-worker.js', root),
                                                   { scope: root.pathname, updateViaCache: 'none' }))
      .then((registration) => (returning ? registration.update().then(() => registration) : registration))
      .then(takeOver)
      .catch(() => {
        // No service worker (a private window, file://), or no network: nothing changes.
      });
  }
  // Not while the program starts: the worker's install reads and hashes every file. The load
  // event no longer waits for the program and its list (start.js), so neither does this.
  window.addEventListener('load', () => VelmoraStart.downloaded.then(() => {
    if (window.requestIdleCallback) window.requestIdleCallback(register, { timeout: 2000 });
    else setTimeout(register, 0);
  }));
})();
