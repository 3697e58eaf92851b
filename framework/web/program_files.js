// Where the program's files come from on the page: the folder's word list and the program's
// WebAssembly, from the downloads the page's first script (site/start.js) started, so that
// nothing is fetched twice; a page without that script (the framework's contract test)
// fetches the list itself and leaves the WebAssembly to Emscripten.
var VelmoraProgramFiles = (function () {
  'use strict';

  // The page's word list (a response whose body is not read yet, or null: none, or no
  // network), fetched while the program itself downloads and compiles.
  const started = typeof VelmoraStart === 'object' ? VelmoraStart : {};
  const wordList = started.wordList || fetch('dictionary.txt')
    .then((response) => (response.ok ? response : null))
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

  // `body`, a stream of bytes, as a file the program reads at `path` while it arrives: a read
  // that finds nothing yet suspends the program (Asyncify) until the next part comes. Its
  // bytes are let go as they are read. A download that breaks off ends the file there, as a
  // read error ends a file on the desktop.
  function mountStreaming(path, body) {
    const reader = body.getReader();
    const parts = [];
    let done = false;
    let arrival = null; // the next part, asked for; forgotten as soon as it has come
    const next = () => (arrival = arrival || reader.read().then(({ done: ended, value }) => {
      arrival = null;
      if (ended) done = true;
      else if (value.length) parts.push(value);
    }, () => {
      arrival = null;
      done = true;
    }));
    next();
    const device = FS.makedev(64, 0);
    FS.registerDevice(device, {
      read(stream, buffer, offset, length) {
        // A read that finds nothing yet sets the program aside, returning nothing on its way
        // out, and is made again once a part has come: then it first ends that wait.
        if (Asyncify.state === Asyncify.State.Rewinding) Asyncify.handleSleep(() => {});
        if (!parts.length && !done) {
          Asyncify.handleSleep((wakeUp) => next().then(() => wakeUp(0)));
          return 0;
        }
        let count = 0;
        while (count < length && parts.length) {
          const part = parts[0];
          const taken = Math.min(part.length, length - count);
          buffer.set(part.subarray(0, taken), offset + count);
          count += taken;
          if (taken === part.length) parts.shift();
          else parts[0] = part.subarray(taken);
        }
        if (!parts.length && !done) next(); // the next part is asked for while this one is read
        return count;
      },
    });
    FS.mkdev(path, 0o444, device);
  }

  return {
    // Puts the page's word list at `path` of the program's working folder, to be read as it
    // arrives; without one the folder stays without it, and the program's list is empty.
    async mountWordList(path) {
      const response = await wordList;
      if (response && response.body) mountStreaming(path, response.body);
      else if (response) FS.writeFile(path, new Uint8Array(await response.arrayBuffer()), { canOwn: true });
    },
  };
})();
