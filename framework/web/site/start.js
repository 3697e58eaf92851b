// The page's first script. It asks for the program's WebAssembly and the folder's word list
// for the program (page.js), once the page has drawn its dialog (prerender.js): the dialog's
// own files come first on a slow network, and the program, which reads the whole list before
// it acts, keeps what the player does meanwhile. A page in a background tab draws nothing,
// so it asks at once.
var VelmoraStart = (function () {
  'use strict';
  const root = new URL('.', document.currentScript.src);
  const drawn = new Promise((resolve) => {
    if (document.visibilityState === 'hidden') resolve();
    else requestAnimationFrame(() => setTimeout(resolve, 0)); // just after the frame is drawn
  });
  const download = (url) => drawn.then(() => fetch(url, { credentials: 'include' }));
  const wasm = download(new URL('velmora.wasm', root));
  wasm.catch(() => {}); // offline with no copy: the program says so when it asks for it
  const wordList = download('dictionary.txt')
    .then((response) => (response.ok ? response.arrayBuffer() : null))
    .catch(() => null);
  return {
    wasm,
    wordList,
    // Settles once the list has arrived and the program's WebAssembly has answered: the
    // page's load event no longer waits for them.
    downloaded: Promise.all([wasm.catch(() => null), wordList]),
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
  // page's own start, its downloads included.
  window.addEventListener('load', () => VelmoraStart.downloaded.then(() => {
    if (window.requestIdleCallback) window.requestIdleCallback(register, { timeout: 2000 });
    else setTimeout(register, 0);
  }));
})();
