// The page's benchmarks in Debian's headless Chromium (run by
// scripts/bench-web.sh): what a first visit transfers as a static host
// serves it, the start-up against a floor page that shows one label through
// the same WebAssembly start and one that shows it in plain HTML, the
// Compute click, the Fret Template's Draw click (650 mm, and fanned 686/648
// mm with 36 frets), and memory after Compute and after a thousand clicks.
'use strict';

const path = require('node:path');
const { SITE, serve, launch } = require('../../tests/web/support');

const ROUNDS = Number(process.argv[2] || 20);
const CLICKS = 1000;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) =>
  [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];

// Milliseconds from the navigation to the frame that first shows `shown`:
// an element of that selector, with that value when given. (The site's
// Content Security Policy allows no code made from text.) The time comes
// back through the page's console, so that no script of Playwright's runs
// in the page while it starts.
async function startUp(browser, url, shown) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(({ selector, value }) => {
    const check = () => {
      const element = document.querySelector(selector);
      return element !== null && (value === undefined || element.value === value);
    };
    const look = () => {
      if (check()) {
        requestAnimationFrame(() => console.log(`shown at ${performance.now()}`));
      } else {
        requestAnimationFrame(look);
      }
    };
    requestAnimationFrame(look);
  }, shown);
  const time = new Promise((resolve) => {
    page.on('console', (message) => {
      const at = /^shown at (\S+)$/.exec(message.text());
      if (at) resolve(Number(at[1]));
    });
  });
  await page.goto(url, { waitUntil: 'commit' });
  const shownAt = await time;
  await context.close();
  return shownAt;
}

async function firstVisit(browser, site) {
  site.sent.length = 0;
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(site.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.waitForTimeout(500);
  await context.close();
  return site.sent.reduce((sum, request) => sum + request.bytes, 0);
}

async function clicksAndMemory(browser, site) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(site.url);
  await page.getByRole('button', { name: 'Compute' }).waitFor();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Performance.enable');
  const memory = async () => {
    await cdp.send('HeapProfiler.collectGarbage');
    const { metrics } = await cdp.send('Performance.getMetrics');
    const metric = (name) => metrics.find((m) => m.name === name).value;
    return {
      jsHeap: metric('JSHeapUsedSize'),
      nodes: metric('Nodes'),
      wasm: await page.evaluate(() => Module.HEAP8.length),
    };
  };
  await page.getByRole('button', { name: 'Compute' }).click();
  const afterOne = await memory();
  const clicks = (count) => page.evaluate((clicks) => {
    const compute = [...document.querySelectorAll('button')].find((b) => b.textContent === 'Compute');
    const rows = compute.closest('.window').querySelector('tbody').rows;
    const times = [];
    for (let k = 0; k < clicks; ++k) {
      const start = performance.now();
      compute.click();
      times.push(performance.now() - start);
      if (rows.length !== 27) throw new Error('Compute did not list the 27 rows');
    }
    return times;
  }, count);
  const spent = await clicks(CLICKS);
  const afterMany = await memory();
  await clicks(CLICKS);
  const afterTwice = await memory();
  await context.close();
  return { spent, afterOne, afterMany, afterTwice };
}

// Milliseconds each of `count` clicks on Draw takes to the board drawn, for
// a board of `scales` with `frets` frets.
async function drawClicks(browser, site, scales, frets, count) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(site.url);
  await page.getByRole('menuitem', { name: 'File' }).click();
  await page.getByRole('menuitem', { name: 'Fret Template...' }).click();
  const template = page.getByRole('dialog', { name: 'Fret Template' });
  await template.waitFor();
  const fields = { cmbBassScale: scales[0], cmbTrebleScale: scales[1], txtFrets: frets };
  for (const [name, text] of Object.entries(fields)) {
    await template.locator(`[data-name=${name}] input, input[data-name=${name}]`).fill(String(text));
  }
  const times = await page.evaluate((clicks) => {
    const window = document.querySelector('.window[data-name=mTemplate]');
    const draw = window.querySelector('[data-name=btnDraw]');
    const board = window.querySelector('[data-name=picBoard]');
    const spent = [];
    for (let k = 0; k < clicks; ++k) {
      const start = performance.now();
      draw.click();
      spent.push(performance.now() - start);
      if (board.querySelectorAll('path').length === 0) throw new Error('Draw drew nothing');
    }
    return spent;
  }, count);
  await context.close();
  return times;
}

(async () => {
  const site = await serve(path.join(SITE, '..'));
  const browser = await launch();
  const siteUrl = `${site.url}site/`;
  site.url = siteUrl;
  const bytes = await firstVisit(browser, site);
  console.log(`First visit: ${(bytes / 1024).toFixed(1)} KiB transferred (target: at most 150 KB)`);

  const korvanelShown = { selector: '[role=combobox]', value: '650' };
  const labelShown = { selector: '.label' };
  const pages = [
    ['one label in HTML', `${site.url.replace(/site\/$/, '')}bench/web/plain.html`, labelShown],
    ['one label through WebAssembly (floor)', `${site.url.replace(/site\/$/, '')}bench/web/floor.html`, labelShown],
    ['Korvanel', siteUrl, korvanelShown],
  ];
  const times = pages.map(() => []);
  for (let round = 0; round < ROUNDS + 1; ++round) {
    for (const [index, [, url, shown]] of pages.entries()) {
      const time = await startUp(browser, url, shown);
      if (round > 0) times[index].push(time);  // the first round warms up
    }
  }
  const floor = median(times[1]);
  console.log(`Start-up to the first frame shown, median of ${ROUNDS} (min..max) ms:`);
  for (const [index, [name]] of pages.entries()) {
    const t = times[index];
    console.log(`  ${name.padEnd(40)} ${median(t).toFixed(1).padStart(7)} (${Math.min(...t).toFixed(1)}..${Math.max(...t).toFixed(1)})  ${(median(t) / floor).toFixed(2)}x the floor`);
  }

  const { spent, afterOne, afterMany, afterTwice } = await clicksAndMemory(browser, site);
  console.log(`Compute click to the 27 rows, ${CLICKS} clicks: median ${median(spent).toFixed(3)} ms, 99th percentile ${percentile(spent, 0.99).toFixed(3)} ms, most ${Math.max(...spent).toFixed(3)} ms (target: at most 1 ms)`);
  for (const [name, scales, frets] of [['650 mm', [650, 650], 24], ['fanned 686/648 mm, 36 frets', [686, 648], 36]]) {
    const spent = await drawClicks(browser, site, scales, frets, 200);
    console.log(`Draw click, ${name}, 200 clicks: median ${median(spent).toFixed(3)} ms, 99th percentile ${percentile(spent, 0.99).toFixed(3)} ms (target: at most 2 ms)`);
  }
  const show = (m) => `JS heap ${(m.jsHeap / 1024).toFixed(0)} KiB, WebAssembly memory ${(m.wasm / 1024).toFixed(0)} KiB, ${m.nodes} DOM nodes`;
  console.log(`Memory after one Compute:        ${show(afterOne)}`);
  console.log(`Memory after ${CLICKS} more Computes: ${show(afterMany)}`);
  console.log(`Memory after ${CLICKS} more again:    ${show(afterTwice)}`);
  await browser.close();
  await site.close();
})();
