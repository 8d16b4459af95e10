// Loading, and failing, in words: "Loading Korvanel..." until the first
// window, and when the program does not arrive, does not compile or stops
// later, what happened in the page, told to a screen reader, with a way to
// start again.
'use strict';

const { test } = require('node:test');
const { chromium } = require('playwright-core');
const { assert, windowOf, useBrowser } = require('./support');

const session = useBrowser();

const kBrowsers = 'Korvanel needs Chrome or Edge 95, Firefox 100, Safari 15.2 or later.';

// The alert the page shows, by its name, and the text that describes it.
async function alertOf(page, name) {
  const alert = page.getByRole('alert', { name });
  await alert.waitFor();
  const described = await alert.getAttribute('aria-describedby');
  return {
    described: await page.locator(`#${described}`).textContent(),
    focused: await page.evaluate(() => document.activeElement.textContent),
    windows: await page.getByRole('dialog').count(),
  };
}

test('the page says it is loading until the first window shows, the desktop busy meanwhile', async () => {
  const context = await session.browser.newContext();
  const page = await context.newPage();
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  await page.route('**/korvanel.wasm', async (route) => {
    await held;
    await route.continue();
  });
  await page.goto(session.site.url, { waitUntil: 'domcontentloaded' });
  const loading = page.getByRole('status');
  assert.equal(await loading.textContent(), 'Loading Korvanel...');
  assert.equal(await loading.isVisible(), true);
  assert.equal(await page.locator('#desktop').getAttribute('aria-busy'), 'true');
  release();
  await windowOf(page, 'Korvanel').waitFor();
  assert.equal(await loading.isVisible(), false);
  assert.equal(await page.locator('#desktop').getAttribute('aria-busy'), null);
  await context.close();
});

test('a module that does not arrive is told, with the browsers it needs, and Try again loads it', async () => {
  const context = await session.browser.newContext();
  const page = await context.newPage();
  await page.route('**/korvanel.wasm', (route) => route.abort('internetdisconnected'));
  await page.goto(session.site.url);
  const told = await alertOf(page, /^Korvanel could not be loaded: a file of the program did not arrive\./);
  assert.equal(told.described, kBrowsers);
  assert.equal(told.focused, 'Try again');
  await page.unroute('**/korvanel.wasm');
  await page.getByRole('button', { name: 'Try again' }).click();
  await windowOf(page, 'Korvanel').waitFor();
  await context.close();
});

test('a module served with another type than application/wasm still starts', async () => {
  const context = await session.browser.newContext();
  const page = await context.newPage();
  await page.route('**/korvanel.wasm', async (route) => {
    const response = await route.fetch();
    const headers = { ...response.headers(), 'content-type': 'application/octet-stream' };
    await route.fulfill({ response, headers });
  });
  await page.goto(session.site.url);
  await windowOf(page, 'Korvanel').waitFor();
  assert.equal(await page.getByRole('alert').count(), 0);
  await context.close();
});

test('a browser that cannot compile the module is told so, with the browsers it needs', async () => {
  // Chromium without WebAssembly's exceptions of the kind the module uses.
  const browser = await chromium.launch({
    executablePath: process.env.KORVANEL_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--js-flags=--no-wasm-legacy-eh'],
  });
  const page = await browser.newPage();
  await page.goto(session.site.url);
  const told = await alertOf(page, /^Korvanel cannot run in this browser: .*CompileError/);
  assert.equal(told.described, kBrowsers);
  assert.equal(told.windows, 0);
  await browser.close();
});

test('a program that aborts after its start ends in the ended panel with its reason', async () => {
  const { context, page } = await session.start();
  // Emscripten's abort, as the program's runtime calls it on a fatal error.
  await page.evaluate(() => {
    try {
      abort('forced by the test');
    } catch {
      // It throws, to stop what called it.
    }
  });
  const told = await alertOf(page, 'Korvanel has ended.');
  assert.equal(told.described, 'It stopped on an error: forced by the test');
  assert.equal(told.focused, 'Start Korvanel again');
  assert.equal(await windowOf(page, 'Korvanel').isVisible(), false, 'no frozen window is left');
  await page.getByRole('button', { name: 'Start Korvanel again' }).click();
  await windowOf(page, 'Korvanel').waitFor();
  await context.close();
});
