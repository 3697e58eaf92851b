// The page in Debian's chromium and firefox-esr, driven headless with puppeteer-core; every
// control is found by its accessible name (puppeteer's ARIA selectors), as a screen reader
// finds it. Answers are checked against tests/support/reference_answer.awk on the same list.
// The framework's contract test runs on the page too, in both browsers.
//   usage: node tests/web/run_tests.mjs SITE CONTRACT
//   (SITE: build-web/site; CONTRACT: build-web/tests/framework, framework_conformance_test's)
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const site = path.resolve(process.argv[2] || 'build-web/site');
const contract = path.resolve(process.argv[3] || 'build-web/tests/framework');
const selection = '::-p-aria([name="Selection"][role="textbox"])';
const answerBox = '::-p-aria([name="Answer for the clipboard"][role="textbox"])';
const solutions = '::-p-aria([name="Solutions"][role="listbox"])';
const option = '::-p-aria([role="option"])';
const button = (name) => `::-p-aria([name="${name}"][role="button"])`;

// The site over HTTP on 127.0.0.1; /nolist/ is the more/ folder's page without its list, and
// /contract/ the framework's contract test.
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
function serve() {
  const server = http.createServer((request, response) => {
    let name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (name.endsWith('/')) name += 'index.html';
    name = name.replace(/^\/nolist\/(?!dictionary\.txt$)/, '/more/');
    let file = path.join(site, path.normalize(name));
    if (name === '/contract/index.html') file = path.join(here, 'conformance.html');
    else if (name.startsWith('/contract/')) file = path.join(contract, path.basename(name));
    fs.readFile(file, (error, body) => {
      response.writeHead(error ? 404 : 200,
                         { 'content-type': types[path.extname(name)] || 'text/plain' });
      response.end(error ? '' : body);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Every word of four or more the letters spell, longest first, then in byte order.
function reference(letters, everyLength = true) {
  const output = execFileSync('awk', ['-f', path.join(here, '../support/reference_answer.awk'),
                                      path.join(site, 'dictionary.txt')],
    { env: { ...process.env, LC_ALL: 'C', LETTERS: letters, EVERY_LENGTH: everyLength ? '1' : '' },
      maxBuffer: 1 << 26 });
  const words = output.toString().split('\n').filter(Boolean);
  return words.sort((a, b) => b.length - a.length || (a < b ? -1 : a > b ? 1 : 0));
}

function check(condition, what) {
  if (!condition) throw new Error(what);
}

async function rows(page) {
  return Promise.all((await page.$$(option)).map((row) => row.evaluate((e) => e.textContent)));
}

// Waits (bounded) until the list shows `first` at its top, or shows nothing when null.
async function waitForList(page, first) {
  await page.waitForFunction((list, first) => {
    const row = Array.from(list.querySelectorAll('[role=option]')).find((r) => !r.hidden);
    return first === null ? !row : row && row.textContent === first;
  }, { timeout: 10000 }, await page.$(solutions), first);
}

// axe-core's rules, best practices included, on the page as it stands.
const axeSource = fs.readFileSync(path.join(here, 'node_modules/axe-core/axe.min.js'), 'utf8');
async function accessibilityRules(page) {
  await page.evaluate(axeSource);
  const violations = await page.evaluate(async () => (await axe.run(document)).violations
    .map((rule) => `${rule.id}: ${rule.nodes.map((node) => node.target).join(', ')}`));
  check(violations.length === 0, `axe finds: ${violations.join('; ')}`);
}

async function openPage(browser, url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url);
  await page.waitForSelector(selection, { timeout: 20000 });
  return { page, errors };
}

// The focus starts in the selection box and Tab follows the template's order.
async function tabOrder(page) {
  const order = [selection, button('Solve'), solutions, answerBox, button('Quick solve')];
  for (const [step, control] of order.entries()) {
    if (step > 0) await page.keyboard.press('Tab');
    const focused = await (await page.$(control)).evaluate((e) => e === document.activeElement);
    check(focused, `Tab step ${step}: ${control} has the focus`);
  }
}

// Letters typed in lower case show as capitals; Enter solves; the rows are the reference's,
// longest first; End in the list reaches its last row.
async function typedRound(page) {
  const letters = 'tsacrxe';
  const expected = reference(letters);
  const box = await page.$(selection);
  await box.type(letters);
  check(await box.evaluate((e) => e.value) === 'TSACRXE', 'typed letters become capitals');
  await page.keyboard.press('Enter');
  await waitForList(page, expected[0]);
  const shown = await rows(page);
  check(JSON.stringify(shown) === JSON.stringify(expected.slice(0, shown.length)),
        `rows ${shown} are the reference's ${expected}`);
  const setSize = await (await page.$(option)).evaluate((e) => e.getAttribute('aria-setsize'));
  check(Number(setSize) === expected.length, `the list says ${setSize} rows of ${expected.length}`);
  await (await page.$(solutions)).focus();
  await page.keyboard.press('End');
  await page.waitForFunction((last) => Array.from(document.querySelectorAll('[role=option]'))
    .some((row) => !row.hidden && row.textContent === last && row.getAttribute('aria-selected') === 'true'),
    { timeout: 5000 }, expected[expected.length - 1]);
}

// The framework's contract test (one GoogleTest source for every backend) on the page: its
// report comes to the console, and its last line tells its exit status.
async function contractTest(browser, url) {
  const page = await browser.newPage();
  const report = [];
  const ended = new Promise((resolve) => page.on('console', (message) => {
    report.push(message.text());
    const status = /^conformance exit status: (\d+)/.exec(message.text());
    if (status) resolve(Number(status[1]));
  }));
  await page.goto(url + 'contract/');
  const status = await Promise.race([ended, new Promise((resolve) => setTimeout(resolve, 60000, 'no end'))]);
  check(status === 0, `the contract test on the page: ${status}\n${report.join('\n')}`);
  await page.close();
}

const clipboard = {
  write: (page, text) => page.evaluate((text) => navigator.clipboard.writeText(text), text),
  read: (page) => page.evaluate(() => navigator.clipboard.readText()),
};

// Quick solve through the browser's clipboard: the longest words out as one line; then a
// clipboard with no answer leaves the clipboard as it was, and the list empty.
async function quickSolveRound(page) {
  const letters = 'aeinrst\r\nlp';
  await clipboard.write(page, letters);
  await (await page.$(button('Quick solve'))).click();
  const expected = reference('aeinrstlp');
  await waitForList(page, expected[0]);
  check(await (await page.$(selection)).evaluate((e) => e.value) === 'AEINRST LP',
        'Quick solve replaces the selection with the clipboard, as one line');
  const longest = reference('aeinrstlp', false).sort().join(' ');
  check(await (await page.$(answerBox)).evaluate((e) => e.value) === longest, 'the answer box');
  check(await clipboard.read(page) === longest, `clipboard holds "${longest}"`);

  await clipboard.write(page, 'qqqq zzz');
  await (await page.$(button('Quick solve'))).click();
  await waitForList(page, null);
  check(await clipboard.read(page) === 'qqqq zzz', 'no answer keeps the clipboard');
}

function chromiumArgs(profile) {
  return ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
          '--disable-sync', '--no-first-run', '--disable-gpu', `--user-data-dir=${profile}`];
}

const browsers = {
  chromium: (profile) => puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
                                            args: chromiumArgs(profile) }),
  firefox: (profile) => puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, userDataDir: profile,
    extraPrefsFirefox: { 'dom.events.testing.asyncClipboard': true } }),
};

async function inBrowser(name, url, scenarios) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `velmora-${name}-`));
  const browser = await browsers[name](profile);
  try {
    if (name === 'chromium') {
      await browser.defaultBrowserContext().overridePermissions(
        new URL(url).origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    }
    for (const [title, scenario] of Object.entries(scenarios)) {
      const started = Date.now();
      await scenario(browser);
      console.log(`ok ${name}: ${title} (${Date.now() - started} ms)`);
    }
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

async function main() {
  let server = await serve();
  const url = `http://127.0.0.1:${server.address().port}/`;
  const round = async (browser) => {
    const { page, errors } = await openPage(browser, url);
    await tabOrder(page);
    await typedRound(page);
    await quickSolveRound(page);
    await accessibilityRules(page);
    check(errors.length === 0, `page errors: ${errors}`);
    await page.close();
  };
  const contractScenario = (browser) => contractTest(browser, url);
  await inBrowser('firefox', url, { 'the round': round, 'the framework\'s contract': contractScenario });
  await inBrowser('chromium', url, {
    'the round': round,
    'the framework\'s contract': contractScenario,
    // A phone: no sideways scrolling, the whole dialog in view, and taps work.
    'a phone, 390 x 844 with touch': async (browser) => {
      const page = await browser.newPage();
      await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
      await page.goto(url);
      await (await page.waitForSelector(selection, { timeout: 20000 })).tap();
      await page.keyboard.type('tsac');
      await (await page.$(button('Solve'))).tap();
      await waitForList(page, reference('tsac')[0]);
      const fits = await page.evaluate(() => {
        const box = document.querySelector('form').getBoundingClientRect();
        return document.documentElement.scrollWidth <= innerWidth && box.left >= 0 &&
               box.right <= innerWidth && box.bottom <= innerHeight && box.width > 300;
      });
      check(fits, 'the dialog fits the phone\'s width, scaled as a whole');
      check(await (await page.$(selection)).evaluate((e) => parseFloat(getComputedStyle(e).fontSize) >= 16),
            'the selection box\'s font is 16 px or more, so a phone does not zoom into it');
      // Held sideways: the text keeps its size, the page scrolls up and down but never
      // sideways, and every control can be scrolled into view.
      await page.setViewport({ width: 844, height: 390, isMobile: true, hasTouch: true });
      await page.evaluate(() => new Promise(requestAnimationFrame)); // after the resize event
      const sideways = await page.evaluate(() => {
        const form = document.querySelector('form');
        const scale = form.getBoundingClientRect().width / form.offsetWidth;
        const legend = document.querySelector('legend');
        const reachable = Array.from(form.querySelectorAll('.control')).every((control) => {
          control.scrollIntoView({ block: 'nearest' });
          const box = control.getBoundingClientRect();
          return box.top >= 0 && box.bottom <= innerHeight && box.left >= 0 && box.right <= innerWidth;
        });
        return { text: parseFloat(getComputedStyle(legend).fontSize) * scale, reachable,
                 sideways: document.documentElement.scrollWidth > innerWidth };
      });
      check(sideways.text >= 12 && sideways.reachable && !sideways.sideways,
            `held sideways: ${JSON.stringify(sideways)}`);
      await page.close();
    },
    // A clipboard the browser refuses to read is an empty one: nothing found, and the page
    // goes on working.
    'a refused clipboard read': async (browser) => {
      const context = await browser.createBrowserContext(); // no clipboard permission
      const { page, errors } = await openPage(context, url);
      await (await page.$(selection)).type('tsac');
      await page.keyboard.press('Enter');
      await waitForList(page, reference('tsac')[0]);
      await (await page.$(button('Quick solve'))).click();
      await waitForList(page, null);
      check(await (await page.$(selection)).evaluate((e) => e.value) === '', 'refused: nothing pasted');
      await (await page.$(selection)).type('tsac');
      await page.keyboard.press('Enter');
      await waitForList(page, reference('tsac')[0]);
      check(errors.length === 0, `page errors: ${errors}`);
      await context.close();
    },
    // After one visit the page, the program and the list come from the service worker's
    // copies, and Chromium offers to install the page; a folder without a list opens and
    // finds nothing.
    'a reload with the network off, and a folder with no list': async (browser) => {
      const { page } = await openPage(browser, url);
      await page.waitForFunction(() => caches.match('dictionary.txt').then(Boolean),
                                 { timeout: 10000, polling: 200 });
      await new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); });
      await page.evaluateOnNewDocument(() => addEventListener('beforeinstallprompt', () => {
        window.offersInstall = true;
      }));
      await page.reload();
      await page.waitForSelector(selection, { timeout: 20000 });
      await typedRound(page);
      await page.waitForFunction(() => window.offersInstall, { timeout: 10000 });
      check(await page.evaluate(() => document.cookie === '' && localStorage.length === 0),
            'no cookie, nothing in local storage');
      server = await new Promise((resolve) => {
        const again = http.createServer(server.listeners('request')[0]);
        again.listen(new URL(url).port, '127.0.0.1', () => resolve(again));
      });
      await page.goto(url + 'nolist/');
      await page.waitForSelector(selection, { timeout: 20000 });
      await clipboard.write(page, 'aeinrst');
      await (await page.$(button('Quick solve'))).click();
      await page.waitForFunction((box) => box.value === 'AEINRST', { timeout: 10000 },
                                 await page.$(selection));
      check((await rows(page)).length === 0, 'no list: nothing found');
      check(await clipboard.read(page) === 'aeinrst', 'no list: the clipboard is kept');
      await page.close();
    },
  });
  server.close();
}

main().catch((error) => {
  console.error('FAILED:', error.message);
  process.exit(1);
});
