// The page's first script. It takes over the downloads the page's preloads started, the
// program's WebAssembly and the folder's word list, so that the program uses them instead of
// fetching each file again (page.js). Its requests match the preloads': no CORS mode, the
// site's own credentials. WebKit reuses a preloaded file only for a request with the same
// headers, and one in CORS mode carries an Origin header that the preload then lacks.
var VelmoraStart = (function () {
  'use strict';
  const root = new URL('.', document.currentScript.src);
  const download = (url) => fetch(url, { mode: 'no-cors', credentials: 'include' });
  const wasm = download(new URL('velmora.wasm', root));
  wasm.catch(() => {}); // offline with no copy: the program says so when it asks for it
  return {
    wasm,
    wordList: download('dictionary.txt')
      .then((response) => (response.ok ? response.arrayBuffer() : null))
      .catch(() => null),
  };
})();

// Makes the page work offline after one visit: registers the site's service worker (beside
// this script, so its scope is the whole site) and asks it to keep this page and its word
// list, besides the program's own files, which it keeps when it installs. Stores nothing
// else: no cookie, no local storage.
(function () {
  'use strict';
  if (!('serviceWorker' in navigator)) return;
  const root = new URL('.', document.currentScript.src);
  const page = new URL(location.href);
  page.hash = '';
  function register() {
    navigator.serviceWorker.register(new URL('service-worker.js', root), { scope: root.pathname })
      .then(() => navigator.serviceWorker.ready)
      .then((registration) => {
        registration.active.postMessage({ keep: [page.href, new URL('manifest.webmanifest', page).href,
                                                 new URL('dictionary.txt', page).href] });
      })
      .catch(() => {
        // No service worker (a private window, file://): the page works online only.
      });
  }
  // Installing the worker fetches and compiles the program's files a second time: that
  // waits until the page has loaded and the browser is idle, so it never competes with the
  // page's own start.
  window.addEventListener('load', () => {
    if (window.requestIdleCallback) window.requestIdleCallback(register, { timeout: 2000 });
    else setTimeout(register, 0);
  });
})();
