// The page's first script. It asks for the program's WebAssembly and the folder's word list
// for the program (page.js), once the page has drawn its dialog (prerender.js): the dialog's
// own files come first on a slow network, and the program, which reads the whole list (as it
// arrives) before it acts, keeps what the player does meanwhile. A page in a background tab
// draws nothing, so it asks at once.
// Requests are in no-CORS mode with the site's own credentials, as worker-registration.js asks
// the HTTP cache for them again on a first visit: WebKit reuses a cached answer only for a
// request with the same headers. Once the service worker answers, the WebAssembly is asked of
// it alone: WebKit's memory cache would answer with the WebAssembly of a visit before, which
// after a new build is another build's than the glue the worker gives.
var VelmoraStart = (function () {
  'use strict';
  const root = new URL('.', document.currentScript.src);
  const drawn = new Promise((resolve) => {
    if (document.visibilityState === 'hidden') resolve();
    else requestAnimationFrame(() => setTimeout(resolve, 0)); // just after the frame is drawn
  });
  const download = (url, cache) =>
    drawn.then(() => fetch(url, { mode: 'no-cors', credentials: 'include', cache }));
  const returning = !!(navigator.serviceWorker && navigator.serviceWorker.controller);
  const wasm = download(new URL('velmora.wasm', root), returning ? 'no-store' : 'default');
  wasm.catch(() => {}); // offline with no copy: the program says so when it asks for it
  const listAnswer = download('dictionary.txt', 'default')
    .then((response) => (response.ok ? response : null))
    .catch(() => null);
  // The program reads the list as it arrives (program_files.js). On a first visit the page
  // also keeps its bytes whole, for the service worker's first copies (worker-registration.js):
  // a copy cloned before either is read. A return's list comes from the worker's copy at once.
  const wordList = returning ? listAnswer : listAnswer.then((response) => response && response.clone());
  const wordListBytes = returning ? listAnswer.then(() => null)
    : listAnswer.then((response) => response && response.arrayBuffer()).catch(() => null);
  return {
    wasm,
    wordList,
    wordListBytes,
    // Settles once the list has arrived and the program's WebAssembly has answered: the
    // page's load event no longer waits for them.
    downloaded: Promise.all([wasm.catch(() => null), wordListBytes]),
  };
})();
