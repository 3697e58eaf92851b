// A first visit on a phone: Lighthouse's mobile preset (a slow 4G network and a CPU four
// times slower, simulated) in Debian's chromium, against the site served compressed as a
// static host serves it (tools/serve_site.py, as make run-web). Prints, for each folder, the
// median and the range of RUNS runs: the performance score, Largest Contentful Paint, First
// Contentful Paint, Total Blocking Time and the bytes of the visit, with Lighthouse's CPU
// index of the machine. A benchmark, not a test: nothing here fails on a slow machine.
//   usage: node bench/web/lighthouse.mjs SITE [FOLDER...]   (default: the root and game/)
import { execFile } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';

import { serve } from './site_server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const site = path.resolve(process.argv[2] || 'build-web/site');
const folders = process.argv.length > 3 ? process.argv.slice(3) : ['', 'game/'];
const runs = Number(process.env.RUNS || 5);
const port = 8190 + (process.pid % 100);
const chromeFlags = ['--no-sandbox', '--headless=new', '--disable-gpu', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-quic', '--disable-extensions'];

const server = await serve(site, port);

async function visit(folder) {
  const { stdout } = await promisify(execFile)(path.join(here, 'node_modules/.bin/lighthouse'), [
    server.origin + folder, '--quiet', '--only-categories=performance',
    '--output=json', '--output-path=stdout', `--chrome-flags=${chromeFlags.join(' ')}`],
  { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' }, maxBuffer: 1 << 28 });
  const report = JSON.parse(stdout);
  const value = (audit) => report.audits[audit].numericValue;
  return { score: report.categories.performance.score * 100, lcp: value('largest-contentful-paint'),
           fcp: value('first-contentful-paint'), tbt: value('total-blocking-time'),
           kib: value('total-byte-weight') / 1024, cpu: report.environment.benchmarkIndex };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const shown = (values, digits) => `${median(values).toFixed(digits)} ` +
  `(${Math.min(...values).toFixed(digits)} to ${Math.max(...values).toFixed(digits)})`;
try {
  const results = Object.fromEntries(folders.map((folder) => [folder, []]));
  for (let run = 0; run < runs; ++run) // the folders alternate, so both see the same machine
    for (const folder of folders) results[folder].push(await visit(folder));
  console.log(`Lighthouse mobile preset, ${runs} runs a folder: median (lowest to highest)`);
  for (const [folder, visits] of Object.entries(results)) {
    const of = (key) => visits.map((one) => one[key]);
    console.log(`/${folder}: performance ${shown(of('score'), 0)}, LCP ${shown(of('lcp').map((ms) => ms / 1000), 2)} s, ` +
      `FCP ${shown(of('fcp').map((ms) => ms / 1000), 2)} s, TBT ${shown(of('tbt'), 0)} ms, ` +
      `${shown(of('kib'), 0)} KiB, CPU index ${shown(of('cpu'), 0)}`);
  }
} finally {
  server.stop();
}
