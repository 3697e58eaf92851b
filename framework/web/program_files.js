// Where the program's files come from on the page: the folder's word list and the program's
// WebAssembly, from the downloads the page's first script (site/start.js) started, so that
// nothing is fetched twice; a page without that script (the framework's contract test)
// fetches the list itself and leaves the WebAssembly to Emscripten.
var VelmoraProgramFiles = (function () {
  'use strict';

  // The page's word list, fetched while the program itself downloads and compiles: by the
  // page's first script (start.js) where it has one, so that nothing is fetched twice.
  const started = typeof VelmoraStart === 'object' ? VelmoraStart : {};
  const wordList = started.wordList || fetch('dictionary.txt')
    .then((response) => (response.ok ? response.arrayBuffer() : null))
    .catch(() => null);

  // The program's WebAssembly from the download the first script started, compiled as it
  // arrives; from its bytes where the server does not call it application/wasm.
  if (started.wasm) {
    Module['instantiateWasm'] = function (imports, receiveInstance) {
      started.wasm
        .then((response) => WebAssembly.instantiateStreaming(response.clone(), imports)
          .catch(() => response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports))))
        .then((result) => receiveInstance(result.instance, result.module),
              (reason) => abort('the program could not be loaded: ' + reason));
      return {}; // the exports come through receiveInstance
    };
  }

  return { wordList };
})();
