// The site over HTTP on 127.0.0.1, as the page's tests serve it to every engine. It counts the
// requests for each path, the page's apart from its service worker's (whose requests name it
// as their referrer), and it can be stopped (the network gone) and started again on the same
// port. /nolist/ is the more/ folder's page without its list; /contract/ the framework's
// contract test (tests/web/conformance.html and the web build's framework_conformance_test).
// /slow/ is the more/ folder's page with the root's list, whose answer can be held back.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

export async function serveSite(site, contract) {
  const counts = new Map();
  let heldLists = null; // answers for /slow/dictionary.txt waiting for releaseList()
  const handler = (request, response) => {
    let name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const key = /\/service-worker\.js$/.test(request.headers.referer || '') ? `${name} (worker)` : name;
    counts.set(key, (counts.get(key) || 0) + 1);
    name = name.replace(/^\/nolist\/(?!dictionary\.txt$)/, '/more/')
      .replace(/^\/slow\/dictionary\.txt$/, '/dictionary.txt').replace(/^\/slow\//, '/more/');
    let file = path.join(site, path.normalize(name));
    if (name === '/contract/index.html') file = path.join(here, 'conformance.html');
    else if (name.startsWith('/contract/')) file = path.join(contract, path.basename(name));
    const answer = () => fs.readFile(file, (error, body) => {
      response.writeHead(error ? 404 : 200, { 'content-type': types[path.extname(name)] || 'text/plain' });
      response.end(error ? '' : body);
    });
    if (heldLists && key === '/slow/dictionary.txt') heldLists.push(answer);
    else answer();
  };
  const listen = (port) => new Promise((resolve, reject) => {
    const server = http.createServer(handler).once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
  let server = await listen(0);
  const port = server.address().port;
  return {
    url: `http://127.0.0.1:${port}/`,
    // The requests for `file` since the last reset: by the page, and by its service worker.
    requestsOf: (file) => ({ page: counts.get(file) || 0, worker: counts.get(`${file} (worker)`) || 0 }),
    resetCounts: () => counts.clear(),
    holdList() { heldLists = heldLists || []; },
    releaseList() {
      for (const answer of heldLists || []) answer();
      heldLists = null;
    },
    async stop() {
      if (!server) return;
      server.closeAllConnections();
      await new Promise((resolve) => server.close(resolve));
      server = null;
    },
    async start() {
      if (!server) server = await listen(port);
    },
  };
}
