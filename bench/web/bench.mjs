// The page's speed in headless Chromium, served on 127.0.0.1 as `make run-web` serves it; prints the median of RUNS runs of each measure and the size of
// the program's files. A benchmark, not a test: nothing here fails on a slow machine.
//   usage: node bench/web/bench.mjs SITE   (run by make bench-web)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';

import { serve } from './site_server.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const { default: puppeteer } = await import(
  path.join(root, 'tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'));
const site = path.resolve(process.argv[2] || 'build-web/site');
const runs = Number(process.env.RUNS || 7);
const port = 8090 + (process.pid % 100);
const origin = `http://127.0.0.1:${port}/`;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// When the program has its dialog, which is after its word list has loaded (the page's HTML
// holds the dialog before that; the program's list box has its rows' block).
function markReady() {
  new MutationObserver((changes, observer) => {
    if (document.querySelector('[role=listbox] > .rows')) {
      window.velmoraReady = performance.now();
      observer.disconnect();
    }
  }).observe(document, { childList: true, subtree: true });
}

// One click of Solve with `letters`, from the click to the list drawn (the search, the
// rows added and the rows in view made into elements).
function timeSolve(letters) {
  const box = document.querySelector('form input');
  const list = document.querySelector('[role=listbox]');
  box.value = letters;
  return new Promise((resolve) => {
    const started = performance.now();
    new MutationObserver((changes, observer) => {
      observer.disconnect();
      const row = list.querySelector('[role=option]:not([hidden])');
      resolve([performance.now() - started, row ? row.getAttribute('aria-setsize') : 0]);
    }).observe(list, { childList: true, subtree: true, attributes: true, characterData: true });
    document.querySelector('button[type=submit]').click();
  });
}

// A phone on a slow network, as Lighthouse's mobile preset has it: 150 ms round trips,
// 1.6 Mbit/s down, a CPU four times slower.
async function asPhone(devtools) {
  await devtools.send('Network.enable', { maxTotalBufferSize: 0, maxResourceBufferSize: 0 }); // keeps no body
  await devtools.send('Network.emulateNetworkConditions', { offline: false, latency: 150,
    downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 });
  await devtools.send('Emulation.setCPUThrottlingRate', { rate: 4 });
}

async function measure(browser, folder, letters, phone = false) {
  const times = { ready: [], solve: [] };
  let rows = 0;
  for (let run = 0; run < runs; ++run) {
    // A cold cache and no service worker, in a tab of the window that is already open: a
    // new browser context would open a window, whose own pages (the address bar's) load
    // while this one does.
    const page = await browser.newPage();
    const devtools = await page.createCDPSession();
    await devtools.send('Network.clearBrowserCache');
    await devtools.send('Storage.clearDataForOrigin', { origin: origin.slice(0, -1), storageTypes: 'all' });
    if (phone) await asPhone(devtools);
    await page.evaluateOnNewDocument(markReady);
    await page.goto(origin + folder);
    await page.waitForFunction(() => window.velmoraReady, { polling: 'mutation', timeout: 30000 });
    times.ready.push(await page.evaluate(() => window.velmoraReady));
    // The first Solve after the page is ready, and then a player's usual one: the browser
    // has optimised the program once it has run a few times.
    for (let repeat = 0; repeat < 10; ++repeat) {
      const [solve, count] = await page.evaluate(timeSolve, letters);
      if (repeat >= 4) times.solve.push(solve);
      if (repeat === 0) times.first = (times.first || []).concat(solve);
      rows = count;
    }
    await page.close();
  }
  return { ready: median(times.ready), solve: median(times.solve), first: median(times.first), rows };
}

const server = await serve(site, port);
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-bench-'));
try {
  // Without DevTools' network recording, which keeps and decodes a copy of every response
  // (the word list too) on the page's own thread, as no player's browser does.
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true, networkEnabled: false, issuesEnabled: false, args: [
      '--no-sandbox', '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--no-first-run', '--disable-gpu', `--user-data-dir=${profile}`] });
  const game = await measure(browser, 'game/', 'ETAOINSHRDLU');
  const scan = await measure(browser, 'game/', 'QXZJKVWYFBGP'); // the search alone: no word fits
  const every = await measure(browser, '', 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'.repeat(20));
  const phone = await measure(browser, 'game/', 'ETAOINSHRDLU', true);
  await browser.close();
  const gzipped = ['velmora.wasm', 'velmora.js'].map(
    (name) => zlib.gzipSync(fs.readFileSync(path.join(site, name)), { level: 9 }).length);
  console.log(`medians of ${runs} runs, headless Chromium, cold cache:`);
  console.log(`navigation to the ready page, game list: ${game.ready.toFixed(0)} ms`);
  console.log(`the same on a phone's slow network (150 ms, 1.6 Mbit/s, CPU / 4): ${phone.ready.toFixed(0)} ms`);
  console.log(`Solve, game list, 12 letters (ETAOINSHRDLU, ${game.rows} rows): ${game.solve.toFixed(1)} ms (first: ${game.first.toFixed(1)} ms)`);
  console.log(`Solve, game list, 12 letters no word fits (QXZJKVWYFBGP): ${scan.solve.toFixed(1)} ms (first: ${scan.first.toFixed(1)} ms)`);
  console.log(`Solve filling the list with every word of the default list (${every.rows} rows): ${every.solve.toFixed(1)} ms (first: ${every.first.toFixed(1)} ms)`);
  console.log(`velmora.wasm + velmora.js gzipped: ${gzipped[0]} + ${gzipped[1]} bytes = ${((gzipped[0] + gzipped[1]) / 1024).toFixed(0)} KiB`);
} finally {
  server.stop();
  fs.rmSync(profile, { recursive: true, force: true });
}
