// Browser zoom is the user's: at 200% and 400% the windows are drawn larger
// by exactly that factor, and the page scrolls to reach what no longer fits.
'use strict';

const { test } = require('node:test');
const { assert, windowOf, choose, useBrowser } = require('./support');

const session = useBrowser();

// Zooms the page as the browser's Ctrl + does: the page gets fewer CSS
// pixels, each drawn with more of the screen's.
async function zoom(context, page, screen, factor) {
  const cdp = await context.newCDPSession(page);
  const width = screen.width / factor;
  await cdp.send('Emulation.setDeviceMetricsOverride',
    { width, height: screen.height / factor, deviceScaleFactor: factor, mobile: false });
  await page.waitForFunction((expected) => window.innerWidth === expected, width);
}

// A window's size, and a label's text's, in the screen's pixels.
function drawnSizes(window) {
  return window.evaluate((element) => {
    const text = document.createRange();
    text.selectNodeContents(element.querySelector('[data-name=lblLength]'));
    const box = element.getBoundingClientRect();
    return [box.width, box.height, text.getBoundingClientRect().width]
      .map((length) => length * window.devicePixelRatio);
  });
}

// The controls of `window` that, scrolled to, are not there to be pressed.
function unreached(window) {
  return window.evaluate((element) => [...element.querySelectorAll('.client > [data-name]')]
    .filter((control) => {
      control.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      const box = control.getBoundingClientRect();
      const x = box.left + box.width / 2;
      const y = box.top + box.height / 2;
      return x < 0 || x > innerWidth || y < 0 || y > innerHeight ||
        !element.contains(document.elementFromPoint(x, y));
    }).map((control) => control.dataset.name));
}

for (const [screen, factor] of [[{ width: 1366, height: 768 }, 2], [{ width: 1280, height: 1024 }, 4]]) {
  test(`at ${factor * 100}% on a ${screen.width} x ${screen.height} screen the windows grow ${factor} times and scroll into reach`, async () => {
    const { context, page } = await session.start({ viewport: screen });
    const main = windowOf(page, 'Korvanel');
    const before = await drawnSizes(main);
    await zoom(context, page, screen, factor);
    const after = await drawnSizes(main);
    after.forEach((length, k) => assert.ok(Math.abs(length / before[k] - factor) < 0.01,
      `${length} after ${before[k]}`));
    assert.deepEqual(await unreached(main), []);
    // A window opened while zoomed is drawn at the zoom too, where it can be reached.
    await choose(page, '?', 'Tension and Frequency');
    const tension = windowOf(page, 'Frequency and Tension');
    const place = await tension.evaluate((window) => [window.offsetLeft, window.offsetTop]);
    assert.ok(place.every((offset) => offset >= 0), `at ${place} in the page`);
    assert.deepEqual(await unreached(tension), []);
    await context.close();
  });
}
