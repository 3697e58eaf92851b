// The site over HTTP on 127.0.0.1, as the page's tests serve it to every engine. It counts the
// requests for each path, the page's apart from its service worker's (whose requests name it
// as their referrer); it can be stopped (the network gone) or hang (accept, never answer) and
// be started again on the same port, serve a newer build of some files, and break a request
// off half answered.
// /nolist/ is the more/ folder's page without its list; /contract/ the framework's contract
// test (tests/web/conformance.html and the web build's framework_conformance_test).
// /slow-NAME/ is the more/ folder's page with the root's list, whose second half can be held back.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

export async function serveSite(site, contract) {
  const counts = new Map();
  let [hanging, deployed, dropping] = [false, {}, new Map()]; // dropping: file -> who is told
  let heldLists = null; // answers for /slow-NAME/dictionary.txt waiting for releaseList()
  const handler = (request, response) => {
    let name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const key = /\/service-worker\.js$/.test(request.headers.referer || '') ? `${name} (worker)` : name;
    counts.set(key, (counts.get(key) || 0) + 1);
    if (hanging) return;
    const headers = { 'content-type': types[path.extname(name)] || 'text/plain', 'cache-control': 'no-cache' };
    if (dropping.has(name)) { // cut once answering: too late for the browser to ask again itself
      const told = dropping.get(name);
      dropping.delete(name);
      return response.writeHead(200, headers).write('\0', () => told(request.socket.destroy()));
    }
    if (deployed[name]) return response.writeHead(200, headers).end(deployed[name]);
    const slowList = /^\/slow-[^/]+\/dictionary\.txt$/.test(name);
    name = name.replace(/^\/nolist\/(?!dictionary\.txt$)/, '/more/')
      .replace(/^\/slow-[^/]+\/dictionary\.txt$/, '/dictionary.txt').replace(/^\/slow-[^/]+\//, '/more/');
    let file = path.join(site, path.normalize(name));
    if (name === '/contract/index.html') file = path.join(here, 'conformance.html');
    else if (name.startsWith('/contract/')) file = path.join(contract, path.basename(name));
    const answer = () => fs.readFile(file, (error, body) => {
      response.writeHead(error ? 404 : 200, headers);
      response.end(error ? '' : body);
    });
    if (!heldLists || !slowList) return answer();
    const body = fs.readFileSync(file); // held half way, a line cut in two: read as it comes
    response.writeHead(200, headers).write(body.subarray(0, body.length >> 1));
    heldLists.push(() => response.end(body.subarray(body.length >> 1)));
  };
  const listen = (port) => new Promise((resolve, reject) => {
    const server = http.createServer(handler).once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
  let server = await listen(0);
  const port = server.address().port;
  return {
    url: `http://127.0.0.1:${port}/`,
    site,
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
      if (server && hanging) server.closeAllConnections(); // the requests it held fail
      hanging = false;
      if (!server) server = await listen(port);
    },
    hang: () => { hanging = true; },
    deploy: (files) => { deployed = files; },
    // Resolves once the next request for `file` is broken off; fails if none comes within 20 s.
    drop: (file) => new Promise((resolve, reject) => dropping.set(file, resolve) &&
      setTimeout(() => reject(new Error(`no request for ${file}`)), 20000).unref()),
  };
}
