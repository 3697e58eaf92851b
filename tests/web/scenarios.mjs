// The page's scenarios, written once and run in every engine (engines.mjs): Chromium,
// Firefox and WebKit. They take an engine launched with an empty profile, in this order (the
// first visit must be the first), and the site's server (site_server.mjs). Answers are
// checked against tests/support/reference_answer.awk on the same word list.
import { execFileSync } from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));

export function check(condition, what) {
  if (!condition) throw new Error(what);
}

// Every word of four or more letters the letters spell, longest first, then in byte order.
export function reference(dictionary, letters, everyLength = true) {
  const output = execFileSync('awk', ['-f', path.join(here, '../support/reference_answer.awk'), dictionary],
    { env: { ...process.env, LC_ALL: 'C', LETTERS: letters, EVERY_LENGTH: everyLength ? '1' : '' },
      maxBuffer: 1 << 26 });
  const words = output.toString().split('\n').filter(Boolean);
  return words.sort((a, b) => b.length - a.length || (a < b ? -1 : a > b ? 1 : 0));
}

const shownRows = () => Array.from(document.querySelectorAll('[role=option]'))
  .filter((row) => !row.hidden).map((row) => row.textContent);

// Waits (bounded) until the list shows `first` at its top, or nothing when null.
export const waitForList = (engine, first) => engine.waitFor((first) => {
  const row = Array.from(document.querySelectorAll('[role=option]')).find((r) => !r.hidden);
  return first === null ? !row : !!row && row.textContent === first;
}, first);

// The controls, found by role and accessible name as a screen reader finds them.
export async function dialog(engine) {
  const find = (role, name) => engine.control(role, name);
  return { selection: await find('textbox', 'Selection'), solve: await find('button', 'Solve'),
           solutions: await find('listbox', 'Solutions'),
           answer: await find('textbox', 'Answer for the clipboard'),
           quickSolve: await find('button', 'Quick solve') };
}

async function noErrors(engine) {
  const errors = await engine.errors();
  check(errors.length === 0, `the page's errors: ${errors.join('; ')}`);
}

// The focus starts in the selection box and Tab follows the template's order.
async function tabOrder(engine, controls) {
  for (const [step, name] of ['selection', 'solve', 'solutions', 'answer', 'quickSolve'].entries()) {
    if (step > 0) await engine.press('Tab');
    check(await controls[name].isFocused(), `Tab step ${step}: ${name} has the focus`);
  }
}

// Letters typed in lower case show as capitals; Enter solves; the rows are the reference's,
// longest first, the list tells their count; End in the list reaches its last row.
export async function typedRound(engine, controls, words) {
  const expected = words('tsacrxe');
  await controls.selection.type('tsacrxe');
  check(await controls.selection.value() === 'TSACRXE', 'typed letters become capitals');
  await engine.press('Enter');
  await waitForList(engine, expected[0]);
  const shown = await engine.evaluate(shownRows);
  check(JSON.stringify(shown) === JSON.stringify(expected.slice(0, shown.length)),
        `rows ${shown} are the reference's ${expected}`);
  const setSize = await engine.evaluate(() => document.querySelector('[role=option]').getAttribute('aria-setsize'));
  check(Number(setSize) === expected.length, `the list says ${setSize} rows of ${expected.length}`);
  await controls.solutions.focus();
  await engine.press('End');
  await engine.waitFor((last) => Array.from(document.querySelectorAll('[role=option]')).some(
    (row) => !row.hidden && row.textContent === last && row.getAttribute('aria-selected') === 'true'),
  expected[expected.length - 1]);
}

// Quick solve through the clipboard: the longest words out as one line; then a clipboard
// with no answer leaves the clipboard as it was, and the list empty.
async function quickSolveRound(engine, controls, words) {
  await engine.clipboard.write('aeinrst\r\nlp');
  await controls.quickSolve.click();
  await waitForList(engine, words('aeinrstlp')[0]);
  check(await controls.selection.value() === 'AEINRST LP',
        'Quick solve replaces the selection with the clipboard, as one line');
  const longest = words('aeinrstlp', false).sort().join(' ');
  check(await controls.answer.value() === longest, 'the answer box holds the longest words');
  check(await engine.clipboard.read() === longest, `the clipboard holds "${longest}"`);
  await engine.clipboard.write('qqqq zzz');
  await controls.quickSolve.click();
  await waitForList(engine, null);
  check(await engine.clipboard.read() === 'qqqq zzz', 'no answer keeps the clipboard');
}

// axe-core's rules, best practices included, on the page as it stands.
const axeSource = fs.readFileSync(path.join(here, 'node_modules/axe-core/axe.min.js'), 'utf8');
async function accessibilityRules(engine) {
  await engine.inject(axeSource);
  const violations = await engine.evaluate(async () => (await axe.run(document)).violations
    .map((rule) => `${rule.id}: ${rule.nodes.map((node) => node.target).join(', ')}`));
  check(violations.length === 0, `axe finds: ${violations.join('; ')}`);
}

const visitedFiles = ['/velmora.js', '/velmora.wasm', '/dictionary.txt'];
const controlled = (engine) => engine.waitFor(() => navigator.serviceWorker.controller !== null);
// Solve of `letters` clicked once the page has its box: when its first row came, and the row.
const solveOnReady = (letters) => new Promise((resolve) => (function poll() {
  const [box, row] = [document.querySelector('form input'), document.querySelector('[role=option]:not([hidden])')];
  if (row) return resolve([performance.now(), row.textContent]);
  if (box && box.value !== letters) document.querySelector('button[type=submit]').click(box.value = letters);
  setTimeout(poll, 5);
})());

// The program marked `tag` in its glue and WebAssembly, noting the marks run (window.ran).
function markedBuild(site, tag) {
  const [js, wasm, hash] = [fs.readFileSync(`${site}/velmora.js`), fs.readFileSync(`${site}/velmora.wasm`),
    (bytes) => crypto.createHash('sha256').update(bytes).digest('hex')];
  const marked = { js: Buffer.concat([Buffer.from(`const instantiate = WebAssembly.instantiateStreaming;
    WebAssembly.instantiateStreaming = (...args) => instantiate(...args).then((result) => (window.ran = { js: '${tag}',
      wasm: new TextDecoder().decode(WebAssembly.Module.customSections(result.module, 'build')[0]) }, result));\n`), js]),
  wasm: Buffer.concat([wasm, Buffer.from([0, 6 + tag.length]), Buffer.from(`\x05build${tag}`)]) };
  return { '/velmora.js': marked.js, '/velmora.wasm': marked.wasm, '/service-worker.js': fs.readFileSync(
    `${site}/service-worker.js`, 'utf8').replace(hash(js), hash(marked.js)).replace(hash(wasm), hash(marked.wasm)) };
}

const buildCache = (engine) => engine.evaluate(() => caches.keys()
  .then((names) => names.find((name) => name.includes(':build-'))));

// The page, once the worker's build is no longer `before`'s, then runs `tag`'s glue and WebAssembly.
// The page asks for the new build, as it does itself, and the next visit is a new tab (loaded
// again once the build took over, as the tab may open first): Chromium at times keeps a new
// build waiting for as long as the tab that found it stays open, asked to take over or not.
// The caches are read only once the install is under way: WebKit's install stalls for good
// when the page reads them as it starts.
async function runs(engine, tag, before, url) {
  const taken = (before, installed) => navigator.serviceWorker.getRegistration().then(async (registration) =>
    !registration.installing && (installed && !!registration.waiting || !(await caches.keys()).includes(before)));
  if (before) {
    await engine.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()).catch(() => {}));
    await engine.waitFor(taken, before, true);
    await engine.open(url);
    await engine.waitFor(taken, before, false).then(() => engine.reload());
  }
  const ran = await engine.waitFor(() => window.ran).then(() => engine.evaluate(() => window.ran));
  check(ran.js === tag && ran.wasm === tag, `build ${tag} runs, not ${JSON.stringify(ran)}`);
}

export const scenarios = {
  // A first visit fetches the program and the word list once: its service worker keeps what
  // the page fetched (in WebKit, a plain browser's visit, as its automation keeps no HTTP cache
  // on disk; velmora.js is at times not in that cache yet). The browser reports no error.
  'a first visit': async (engine, server) => {
    server.resetCounts();
    await engine.open(server.url);
    await dialog(engine);
    const workerDone = () => server.requestsOf('/game/index.html').worker > 0; // its last files
    await controlled(engine);
    await noErrors(engine);
    if (engine.firstVisitConsole) { // what only the browser hears (WebKit)
      server.resetCounts();
      const said = await engine.firstVisitConsole(server.url, workerDone);
      check(said.length === 0, `the browser says: ${said.join('; ')}`);
    }
    for (const file of visitedFiles) {
      const { page, worker } = server.requestsOf(file);
      check(worker === 0 && page <= 1 + (engine.name === 'webkit' && file === '/velmora.js'),
            `${file}: ${page} requests by the page, ${worker} by its worker`);
    }
  },

  // A return is ready from the worker's copies whatever the network does: working, failing
  // at once, or accepting and never answering. Says when the page's first Solve answered.
  ...Object.fromEntries(['working', 'off', 'hanging'].map((network) => [`a return, the network ${network}`,
    async (engine, server, words) => {
      await { working: () => {}, off: server.stop, hanging: server.hang }[network]();
      try {
        await engine.reload();
        const [ready, first] = await engine.evaluate(solveOnReady, 'TSAC');
        check(first === words('tsac')[0], `the first row: ${first}`);
        return `Solve answered ${ready.toFixed(0)} ms from the navigation's start`;
      } finally { await server.start(); }
    }])),
  // Every control by its accessible name, the round typed and through the clipboard, and
  // axe's rules.
  'the round': async (engine, server, words) => {
    await engine.open(server.url);
    const controls = await dialog(engine);
    await tabOrder(engine, controls);
    await typedRound(engine, controls, words);
    await quickSolveRound(engine, controls, words);
    await accessibilityRules(engine);
    await noErrors(engine);
  },

  // In each scheme, with a row selected: axe's rules (contrast among them), the list focused and
  // not; the row stands out, the dark page is dark. WebKit's driver sets no scheme: light alone.
  'in light, dark and forced colours': async (engine, server, words) => {
    for (const scheme of ['dark', 'forced', 'light']) { // light last, for the scenarios after
      if (!await engine.colours(scheme)) continue;
      await engine.open(server.url);
      await typedRound(engine, await dialog(engine), words);
      await accessibilityRules(engine);
      await engine.press('Tab');
      await accessibilityRules(engine);
      const [page, row, list] = await engine.evaluate(() => ['body', '[aria-selected=true]', '[role=listbox]']
        .map((selector) => getComputedStyle(document.querySelector(selector)).backgroundColor));
      check(row !== list, `${scheme}: the selected row stands out`);
      check(scheme !== 'dark' || Math.max(...page.match(/\d+/g)) < 64, `the dark page is ${page}`);
    }
  },

  // The page's HTML holds the dialog before the program and its list arrive (the server holds
  // the list's second half back, whoever asks for it): the program takes those very elements
  // over where they stand, and acts on what was typed, Enter, and a Quick solve clicked
  // meanwhile, once the whole list is read.
  'input before the list arrives': async (engine, server, words) => {
    const places = () => Array.from(document.querySelectorAll('.control'), (control) => {
      control.seen = control.seen || 'prerendered';
      return `${control.seen} ${JSON.stringify(control.getBoundingClientRect())}`;
    }).join('\n');
    for (const early of ['typed', 'quick solve']) {
      server.holdList();
      let before;
      try {
        await engine.open(`${server.url}slow-${early.replace(' ', '-')}/`); // a folder no copy holds
        const controls = await dialog(engine);
        before = await engine.evaluate(places);
        if (early === 'typed') {
          await controls.selection.type('tsac');
          await engine.press('Enter');
        } else {
          await engine.clipboard.write('aeinrst');
          await controls.quickSolve.click();
        }
      } finally {
        server.releaseList();
      }
      await waitForList(engine, words(early === 'typed' ? 'tsac' : 'aeinrst')[0]);
      check(await engine.evaluate(places) === before, `${early}: the prerendered controls stay put`);
    }
    check(await engine.clipboard.read() === words('aeinrst', false).sort().join(' '),
          'an early Quick solve copies its answer');
  },

  // A phone held sideways (844 x 390): the text keeps its size, the page scrolls up and down
  // but never sideways, and every control can be scrolled into view. The selection box's
  // font is 16 px or more, so that a phone does not zoom into it.
  'held sideways': async (engine, server) => {
    await engine.open(server.url);
    await dialog(engine);
    await engine.setViewport(844, 390);
    await engine.evaluate(() => new Promise(requestAnimationFrame)); // after the resize event
    const sideways = await engine.evaluate(() => {
      const form = document.querySelector('form');
      const scale = form.getBoundingClientRect().width / form.offsetWidth;
      const reachable = Array.from(form.querySelectorAll('.control')).every((control) => {
        control.scrollIntoView({ block: 'nearest' });
        const box = control.getBoundingClientRect();
        return box.top >= 0 && box.bottom <= innerHeight && box.left >= 0 && box.right <= innerWidth;
      });
      return { text: parseFloat(getComputedStyle(document.querySelector('legend')).fontSize) * scale,
               box: parseFloat(getComputedStyle(document.querySelector('input')).fontSize),
               reachable, sideways: document.documentElement.scrollWidth > innerWidth };
    });
    check(sideways.text >= 12 && sideways.box >= 16 && sideways.reachable && !sideways.sideways,
          `held sideways: ${JSON.stringify(sideways)}`);
  },

  // The framework's contract test (one GoogleTest source for every backend) on the page.
  'the framework\'s contract': async (engine, server) => {
    await engine.open(server.url + 'contract/');
    const run = await engine.control('button', 'Run');
    await engine.waitFor(() => !document.getElementById('run').disabled);
    await run.click();
    await engine.waitFor(() => window.conformanceStatus !== undefined);
    const [status, report] = await engine.evaluate(() => [window.conformanceStatus, window.conformanceReport]);
    check(status === 0, `the contract test on the page: ${status}\n${report.join('\n')}`);
  },

  // A new build runs from the second visit; a build whose install loses a request is not
  // taken, and the page never runs one build's glue with another's WebAssembly.
  'a deploy, one request dropped': async (engine, server) => {
    // WebKitGTK's install of a new build under WebDriver at times never ends (seen with 2.50,
    // one run in a few): the row would fail by chance there.
    if (engine.name === 'webkit') return { notRun: 'an automated install of a new build at times never ends' };
    await engine.open(server.url);
    for (const tag of ['A', 'B']) {
      const before = await buildCache(engine);
      server.deploy(markedBuild(server.site, tag));
      const dropped = tag === 'B' && server.drop('/velmora.wasm');
      await engine.reload();
      if (dropped) await dropped.then(() => runs(engine, 'A')).then(() => engine.reload());
      await runs(engine, tag, before, server.url);
    }
    server.deploy({});
  },
};
