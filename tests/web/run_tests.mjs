// The page's tests: the same scenarios (scenarios.mjs) in Chromium, Firefox and WebKit
// (engines.mjs), then what only Chromium can be asked here: a phone held upright with touch,
// a clipboard the browser refuses to read, the offer to install, and a folder with no list.
// Every control is found by its accessible name, as a screen reader finds it.
//   usage: node tests/web/run_tests.mjs SITE CONTRACT
//   (SITE: build-web/site; CONTRACT: build-web/tests/framework, framework_conformance_test's)
import path from 'node:path';
import { launch } from './engines.mjs';
import { check, dialog, reference, scenarios, waitForList } from './scenarios.mjs';
import { serveSite } from './site_server.mjs';

const site = path.resolve(process.argv[2] || 'build-web/site');
const contract = path.resolve(process.argv[3] || 'build-web/tests/framework');
const words = (letters, everyLength) => reference(path.join(site, 'dictionary.txt'), letters, everyLength);

const chromiumOnly = {
  // A phone held upright, with touch: no sideways scrolling, the whole dialog in view, taps work.
  'a phone, 390 x 844 with touch': async (engine, server) => {
    const page = await engine.browser.newPage();
    await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
    await page.goto(server.url);
    await (await page.waitForSelector('::-p-aria([name="Selection"][role="textbox"])')).tap();
    await page.keyboard.type('tsac');
    await (await page.$('::-p-aria([name="Solve"][role="button"])')).tap();
    await page.waitForFunction((first) => Array.from(document.querySelectorAll('[role=option]'))
      .some((row) => !row.hidden && row.textContent === first), { timeout: 10000 }, words('tsac')[0]);
    check(await page.evaluate(() => {
      const box = document.querySelector('form').getBoundingClientRect();
      return document.documentElement.scrollWidth <= innerWidth && box.left >= 0 &&
             box.right <= innerWidth && box.bottom <= innerHeight && box.width > 300;
    }), 'the dialog fits the phone\'s width, scaled as a whole');
    await page.close();
  },
  // A clipboard the browser refuses to read is an empty one: nothing found, and the page goes
  // on working.
  'a refused clipboard read': async (engine, server) => {
    const context = await engine.browser.createBrowserContext(); // no clipboard permission
    const page = await context.newPage();
    const refused = { ...engine, evaluate: (fn, ...args) => page.evaluate(fn, ...args),
                      waitFor: (fn, ...args) => page.waitForFunction(fn, { timeout: 20000 }, ...args) };
    await page.goto(server.url);
    const selection = await page.waitForSelector('::-p-aria([name="Selection"][role="textbox"])');
    await (await page.$('::-p-aria([name="Quick solve"][role="button"])')).click();
    await waitForList(refused, null);
    check(await selection.evaluate((e) => e.value) === '', 'refused: nothing pasted');
    await selection.type('tsac');
    await page.keyboard.press('Enter');
    await waitForList(refused, words('tsac')[0]);
    await context.close();
  },
  // Chromium offers to install the page; a folder without a list opens and finds nothing.
  'the offer to install, and a folder with no list': async (engine, server) => {
    const page = await engine.browser.newPage();
    await page.evaluateOnNewDocument(() => addEventListener('beforeinstallprompt', () => {
      window.offersInstall = true;
    }));
    await page.goto(server.url);
    await page.waitForFunction(() => window.offersInstall, { timeout: 10000 });
    check(await page.evaluate(() => document.cookie === '' && localStorage.length === 0),
          'no cookie, nothing in local storage');
    await page.close();
    await engine.open(server.url + 'nolist/');
    const controls = await dialog(engine);
    await engine.clipboard.write('aeinrst');
    await controls.quickSolve.click();
    await engine.waitFor(() => document.querySelector('input').value === 'AEINRST');
    check(await engine.evaluate(() => !document.querySelector('[role=option]:not([hidden])')),
          'no list: nothing found');
    check(await engine.clipboard.read() === 'aeinrst', 'no list: the clipboard is kept');
  },
};

// Each engine is launched once, with an empty profile, and runs the scenarios in order.
async function inEngine(name, server, table) {
  const engine = await launch(name);
  try {
    for (const [title, scenario] of Object.entries(table)) {
      const started = Date.now();
      const said = await scenario(engine, server, words);
      if (said && said.notRun) console.log(`not run here: ${name}: ${title}: ${said.notRun}`);
      else console.log(`ok ${name}: ${title} (${Date.now() - started} ms)${said ? `: ${said}` : ''}`);
    }
  } finally {
    await engine.close();
  }
}

const server = await serveSite(site, contract);
try {
  await inEngine('chromium', server, { ...scenarios, ...chromiumOnly });
  await inEngine('firefox', server, scenarios);
  await inEngine('webkit', server, scenarios);
} catch (error) {
  console.error('FAILED:', error.message);
  process.exitCode = 1;
} finally {
  await server.stop();
}
