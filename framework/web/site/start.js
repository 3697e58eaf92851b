// The page's first script. It takes over the downloads the page's preloads started, the
// program's WebAssembly and the folder's word list, so that the program uses them instead of
// fetching each file again (page.js). Its requests match the preloads': no CORS mode, the
// site's own credentials. WebKit reuses a preloaded file only for a request with the same
// headers, and one in CORS mode carries an Origin header that the preload then lacks.
// Once the service worker answers, the WebAssembly is asked of it alone: WebKit's memory
// cache would answer the preload with the WebAssembly of a visit before, which after a new
// build is another build's than the glue the worker gives.
var VelmoraStart = (function () {
  'use strict';
  const root = new URL('.', document.currentScript.src);
  const download = (url, cache) => fetch(url, { mode: 'no-cors', credentials: 'include', cache });
  const fromWorker = navigator.serviceWorker && navigator.serviceWorker.controller ? 'no-store' : 'default';
  const wasm = download(new URL('velmora.wasm', root), fromWorker);
  wasm.catch(() => {}); // offline with no copy: the program says so when it asks for it
  return {
    wasm,
    wordList: download('dictionary.txt')
      .then((response) => (response.ok ? response.arrayBuffer() : null))
      .catch(() => null),
  };
})();
