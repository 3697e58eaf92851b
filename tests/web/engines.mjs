// The three browser engines the page's tests drive, behind one set of operations so that a
// scenario is written once (scenarios.mjs): Debian's chromium and firefox-esr, headless, with
// puppeteer-core; and WebKit, the engine of Safari and of every browser on an iPhone or an
// iPad, as WebKitGTK's MiniBrowser driven over W3C WebDriver (webkit2gtk-driver) with
// selenium-webdriver, in a private Xvfb (MiniBrowser has no headless mode).
//   engine.open(url), reload(), control(role, name) -> { click, type, value, focus, isFocused },
//   press(key), evaluate(fn, ...args), inject(script) (a library's source, whatever the
//   page's security policy), waitFor(fn, ...args), errors(), clipboard.{write, read},
//   setViewport(width, height), colours(scheme) (for pages opened next; false: cannot), close()
import { execFile, spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { Builder, By, Key } from 'selenium-webdriver';

const pause = (milliseconds) => new Promise((resolve) => setTimeout(resolve, milliseconds));

// Polls `test` until it holds, for at most `timeout` ms.
async function until(test, timeout, what) {
  for (const deadline = Date.now() + timeout; !(await test()); await pause(100))
    if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
}

const profileFolder = (name) => fs.mkdtempSync(path.join(os.tmpdir(), `velmora-${name}-`));
const removeFolder = (folder) => fs.rmSync(folder, { recursive: true, force: true, maxRetries: 10 });

const puppeteerLaunchers = {
  chromium: (profile) => puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: [
    '--no-sandbox', '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--no-first-run', '--disable-gpu', `--user-data-dir=${profile}`] }),
  firefox: (profile, prefs = firefoxPrefs(schemes.light)) => puppeteer.launch({ browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr', headless: true, userDataDir: profile, extraPrefsFirefox: prefs }),
};
// A scheme: prefers-color-scheme and forced-colors. Chromium emulates them in the page; Firefox's
// BiDi cannot, so it starts again with preferences: forced colours with "Desert" contrast theme's
// selection (headless Firefox's own is 2.9:1), and a clipboard a script reads with no paste button.
const schemes = { light: ['light', 'none'], dark: ['dark', 'none'], forced: ['light', 'active'] };
const firefoxPrefs = ([scheme, forced]) => ({ 'dom.events.testing.asyncClipboard': true,
  'layout.css.prefers-color-scheme.content-override': scheme === 'dark' ? 0 : 1,
  'browser.display.document_color_use': forced === 'active' ? 2 : 0,
  'ui.highlight': '#903909', 'ui.highlighttext': '#fffaef' });

// Chromium or Firefox. The clipboard is the browser's own (a headless browser has no X
// clipboard); Chromium is granted it for the site. Each open() is a new tab.
async function puppeteerEngine(name) {
  const profile = profileFolder(name);
  let browser = await puppeteerLaunchers[name](profile);
  let [page, media] = [null, schemes.light];
  let errors = [];
  const control = (handle) => ({
    click: () => handle.click(),
    type: (text) => handle.type(text),
    value: () => handle.evaluate((element) => element.value),
    focus: () => handle.focus(),
    isFocused: () => handle.evaluate((element) => element === document.activeElement),
  });
  return {
    name,
    get browser() { return browser; },
    async colours(scheme) {
      if (name === 'firefox' && schemes[scheme] !== media) {
        await browser.close();
        browser = await puppeteerLaunchers.firefox(profile, firefoxPrefs(schemes[scheme]));
      }
      media = schemes[scheme];
      return true;
    },
    async open(url) {
      if (name === 'chromium') await browser.defaultBrowserContext().overridePermissions(
        new URL(url).origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
      if (page) await page.close();
      page = await browser.newPage();
      errors = [];
      if (name === 'chromium') await (await page.createCDPSession()).send('Emulation.setEmulatedMedia', {
        features: [{ name: 'prefers-color-scheme', value: media[0] }, { name: 'forced-colors', value: media[1] }] });
      page.on('pageerror', (error) => errors.push(error.message));
      page.on('console', (message) => {
        if (['error', 'warn'].includes(message.type())) errors.push(message.text());
      });
      await page.goto(url);
    },
    reload: () => page.reload(),
    control: async (role, label) => control(await page.waitForSelector(
      `::-p-aria([name="${label}"][role="${role}"])`, { timeout: 20000 })),
    press: (key) => page.keyboard.press(key),
    evaluate: (fn, ...args) => page.evaluate(fn, ...args),
    inject: (source) => page.evaluate(source),
    waitFor: (fn, ...args) => page.waitForFunction(fn, { timeout: 20000, polling: 100 }, ...args),
    errors: async () => errors,
    clipboard: {
      write: (text) => page.evaluate((text) => navigator.clipboard.writeText(text), text),
      read: () => page.evaluate(() => navigator.clipboard.readText()),
    },
    setViewport: (width, height) => page.setViewport({ width, height }),
    async close() {
      await browser.close();
      removeFolder(profile);
    },
  };
}

// A private X server; it picks a free display itself (-displayfd) and never resets, as a
// browser with no window manager may be its last client.
async function startXvfb() {
  const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten',
                                'tcp', '-noreset'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const number = await new Promise((resolve, reject) => {
    let text = '';
    server.stdio[3].on('data', (data) => { if ((text += data).includes('\n')) resolve(text.trim()); });
    server.once('exit', (code) => reject(new Error(`Xvfb ended with ${code}`)));
  });
  return { env: { ...process.env, DISPLAY: `:${number}` }, server };
}

// The real X clipboard, as WebKitGTK reads it: only an owner that offers text/plain gives it
// text. xclip serves what it was given until another client takes the clipboard over; a read
// has a time limit, as an owner handing the clipboard over may never answer.
function xClipboard(env) {
  let owner = null;
  return {
    async write(text) {
      if (owner && owner.exitCode === null) owner.kill();
      owner = spawn('xclip', ['-quiet', '-selection', 'clipboard', '-t', 'text/plain', '-i'],
                    { env, stdio: ['pipe', 'ignore', 'pipe'] });
      const serving = new Promise((resolve, reject) => {
        let said = '';
        owner.stderr.on('data', (data) => {
          if ((said += data).includes('Waiting for selection requests')) resolve();
        });
        owner.once('exit', (code) => reject(new Error(`xclip ended with ${code}: ${said}`)));
      });
      owner.stdin.end(text);
      await serving;
    },
    read: () => new Promise((resolve, reject) => execFile('xclip',
      ['-selection', 'clipboard', '-o', '-t', 'text/plain'], { env, timeout: 5000 },
      (error, stdout) => (error ? reject(error) : resolve(stdout)))),
    stop: () => owner && owner.exitCode === null && owner.kill(),
  };
}

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const webDriverKeys = { Tab: Key.TAB, Enter: Key.ENTER, End: Key.END };
// The elements that may carry each role; WebKit's accessibility tree then gives each one's
// role and name (computedrole, computedlabel).
const candidates = { textbox: 'input', button: 'button', listbox: '[role=listbox]' };

const freePort = () => new Promise((resolve) => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// A browser's environment of its own: the display, and a profile folder for GTK and caches
// (no shader cache, which the browser went on writing after it quit).
const browserEnv = (x, profile) => ({ ...x.env, HOME: profile, MESA_SHADER_CACHE_DISABLE: 'true',
  XDG_CACHE_HOME: path.join(profile, 'cache'), XDG_CONFIG_HOME: path.join(profile, 'config'),
  XDG_DATA_HOME: path.join(profile, 'data') });

// MiniBrowser over WebDriver. --automation makes the window WebDriver drives, with a profile
// kept only for the session; --javascript-can-access-clipboard lets the page read the
// clipboard without WebKit's "Clipboard access request" prompt, which WebDriver cannot answer
// (it holds every command, the click that raised it too, until a person does).
async function webkitEngine() {
  const x = await startXvfb();
  const profile = profileFolder('webkit');
  const port = await freePort();
  const driverProcess = spawn('WebKitWebDriver', [`--port=${port}`],
                              { env: browserEnv(x, profile), stdio: 'ignore' });
  const server = `http://127.0.0.1:${port}`;
  await until(() => fetch(`${server}/status`).then((answer) => answer.ok, () => false), 10000,
              'WebKitWebDriver');
  // A browser that dies as it starts would leave the session's request waiting for ever.
  const limit = setTimeout(() => driverProcess.kill(), 30000);
  const driver = await Promise.resolve(new Builder().disableEnvironmentOverrides().usingServer(server)
    .withCapabilities({ browserName: 'MiniBrowser', 'webkitgtk:browserOptions': {
      binary: miniBrowser, args: ['--automation', '--javascript-can-access-clipboard=true'] } })
    .build()).finally(() => clearTimeout(limit));
  await driver.manage().setTimeouts({ script: 20000 });
  const clipboard = xClipboard(x.env);

  // `fn`, sent as its source, runs in the page with JSON arguments and may return a promise.
  const evaluate = (fn, ...args) => driver.executeAsyncScript(
    `const done = arguments[arguments.length - 1];
     Promise.resolve().then(() => (${fn}).apply(null, Array.from(arguments).slice(0, -1)))
       .then((value) => done({ value }), (error) => done({ error: String(error) }));`, ...args)
    .then((result) => {
      if ('error' in result) throw new Error(`in the page: ${result.error}`);
      return result.value;
    });
  const control = (element) => ({
    click: () => element.click(),
    type: (text) => element.sendKeys(text),
    value: () => element.getProperty('value'),
    focus: () => driver.executeScript('arguments[0].focus()', element),
    isFocused: () => driver.executeScript('return arguments[0] === document.activeElement', element),
  });
  const named = async (role, label) => {
    for (const element of await driver.findElements(By.css(candidates[role])))
      if (await element.getAriaRole() === role && await element.getAccessibleName() === label)
        return element;
    return null;
  };
  return {
    name: 'webkit',
    open: (url) => driver.get(url),
    reload: () => driver.navigate().refresh(),
    async control(role, label) {
      let found = null;
      await until(async () => (found = await named(role, label)), 20000, `${role} "${label}"`);
      return control(found);
    },
    press: (key) => driver.actions().sendKeys(webDriverKeys[key] || key).perform(),
    evaluate,
    colours: async (scheme) => scheme === 'light', // WebDriver emulates no media feature
    inject: (source) => driver.executeScript(source),
    waitFor: (fn, ...args) => until(() => evaluate(fn, ...args), 20000, String(fn)),
    // A WebDriver session of this WebKit has no way to the console (no BiDi, and an
    // automation session writes none out): firstVisitConsole hears the browser instead.
    errors: async () => [],
    // What WebKit itself says, errors and warnings, on a first visit of `url` in a plain
    // MiniBrowser of a fresh profile, which writes its console out; it is ended once
    // `visited` holds.
    async firstVisitConsole(url, visited) {
      const home = profileFolder('webkit-visit');
      const browser = spawn(miniBrowser, ['--enable-write-console-messages-to-stdout=true', url],
                            { env: browserEnv(x, home), stdio: ['ignore', 'pipe', 'pipe'], detached: true });
      let said = '';
      for (const output of [browser.stdout, browser.stderr]) output.on('data', (data) => { said += data; });
      try {
        await until(visited, 20000, 'the first visit');
      } finally {
        // The whole group: WebKit's network process, which writes the profile's caches, with it.
        const ended = new Promise((resolve) => browser.once('exit', resolve));
        process.kill(-browser.pid, 'SIGKILL');
        await ended;
        try {
          removeFolder(home);
        } catch (busy) { // a profile left in the temporary folder is no fault of the page
          console.log(`left ${home}: ${busy.code}`);
        }
      }
      return said.split('\n').filter((line) => /CONSOLE .*\b(ERROR|WARN)/.test(line));
    },
    clipboard,
    // The window is the viewport and MiniBrowser's toolbar; the page hears of its new size
    // a moment after the window has it.
    async setViewport(width, height) {
      const inner = () => driver.executeScript('return [innerWidth, innerHeight]');
      const [innerWidth, innerHeight] = await inner();
      const rect = await driver.manage().window().getRect();
      await driver.manage().window().setRect({ width: rect.width + width - innerWidth,
                                               height: rect.height + height - innerHeight });
      await until(async () => `${await inner()}` === `${width},${height}`, 5000, 'the new size');
    },
    async close() {
      clipboard.stop();
      await driver.quit().finally(async () => {
        if (driverProcess.exitCode === null) {
          const ended = new Promise((resolve) => driverProcess.once('exit', resolve));
          driverProcess.kill();
          await ended;
        }
        x.server.kill();
        removeFolder(profile);
      });
    },
  };
}

export const launch = (name) => (name === 'webkit' ? webkitEngine() : puppeteerEngine(name));
