// On a phone's screen: the windows scale down as a whole to fit, their
// layout the same, and a finger does what the mouse does.
'use strict';

const { test } = require('node:test');
const { assert, windowOf, rows, useBrowser } = require('./support');

const session = useBrowser();

const kPhone = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true,
  deviceScaleFactor: 3 };

async function fits(page, window) {
  const box = await window.boundingBox();
  return box.x >= 0 && box.y >= 0 && box.x + box.width <= 390 && box.y + box.height <= 844;
}

test('the windows fit a phone, scaled as a whole, and a finger picks, computes and opens the menus', async () => {
  const { context, page } = await session.start(kPhone);
  const main = windowOf(page, 'Korvanel');
  assert.equal(await fits(page, main), true);
  assert.equal(await main.locator('.client').evaluate((client) => client.offsetWidth), 555,
    'the layout keeps its design size');

  await main.getByRole('button', { name: 'Scale Guitar Length' }).tap();
  await main.getByRole('option', { name: '625' }).tap();
  assert.equal(await main.getByRole('combobox', { name: 'Scale Guitar Length' }).inputValue(), '625');
  await main.getByRole('button', { name: 'Compute' }).tap();
  assert.deepEqual((await rows(main))[26], [' Bridge', ' 156.25', ' 625']);

  await main.getByRole('menuitem', { name: '?', exact: true }).tap();
  await main.getByRole('menuitem', { name: 'Tension and Frequency' }).tap();
  const tension = windowOf(page, 'Frequency and Tension');
  assert.equal(await fits(page, tension), true);
  await tension.getByRole('button', { name: 'Bye' }).tap();
  assert.equal(await tension.count(), 0);
  await context.close();
});

test('with one menu open, one tap on the other menu\'s title opens that one', async () => {
  const { context, page } = await session.start(kPhone);
  const main = windowOf(page, 'Korvanel');
  await main.getByRole('menuitem', { name: 'File', exact: true }).tap();
  await main.getByRole('menuitem', { name: '?', exact: true }).tap();
  assert.equal(await main.getByRole('menu', { name: '?' }).isVisible(), true);
  assert.equal(await main.getByRole('menu', { name: 'File' }).isVisible(), false);
  await main.getByRole('menuitem', { name: 'About' }).tap();
  assert.equal(await windowOf(page, 'About').isVisible(), true);
  await context.close();
});

// The targets among `selector` in the page that a finger cannot press
// anywhere in a square of 24 x 24 CSS pixels: where each is pressed is
// found by asking the page what lies at each pixel around it. A press on
// the box of a combo box or a list, beside its parts, reaches its text
// field or its table.
function undersized(page, selector) {
  return page.evaluate((targets) => [...document.querySelectorAll(targets)]
    .filter((target) => target.checkVisibility())
    // Of a list, the entries scrolled into its box.
    .filter((target) => {
      const list = target.closest('[role=listbox]');
      if (!list) return true;
      const entry = target.getBoundingClientRect();
      const shown = list.getBoundingClientRect();
      return entry.top >= shown.top && entry.bottom <= shown.bottom;
    })
    .filter((target) => {
      const kSide = 24;
      const box = target.getBoundingClientRect();
      const left = Math.floor(box.left) - kSide;
      const top = Math.floor(box.top) - kSide;
      const width = Math.ceil(box.width) + 2 * kSide;
      const height = Math.ceil(box.height) + 2 * kSide;
      // Sums of the pressed pixels above and to the left of each pixel.
      const sums = Array.from({ length: height + 1 }, () => new Array(width + 1).fill(0));
      for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
          let hit = document.elementFromPoint(left + x + 0.5, top + y + 0.5);
          if (hit && hit.matches('.combo, .list')) hit = hit.querySelector('input, table');
          const pressed = target.contains(hit);
          sums[y + 1][x + 1] = sums[y][x + 1] + sums[y + 1][x] - sums[y][x] + (pressed ? 1 : 0);
        }
      }
      for (let y = kSide; y <= height; ++y) {
        for (let x = kSide; x <= width; ++x) {
          const square = sums[y][x] - sums[y - kSide][x] - sums[y][x - kSide] + sums[y - kSide][x - kSide];
          if (square === kSide * kSide) return false;
        }
      }
      return true;
    }).map((target) => target.getAttribute('aria-label') || target.textContent ||
      target.getAttribute('role') || target.tagName), selector);
}

test('on a phone every target of every window is at least 24 x 24 CSS pixels', async () => {
  const { context, page } = await session.start(kPhone);
  const main = windowOf(page, 'Korvanel');
  const kTargets = 'button, input, table, [role=option]';
  assert.deepEqual(await undersized(page, kTargets), []);

  await main.getByRole('button', { name: 'Scale Guitar Length' }).tap();
  assert.deepEqual(await undersized(page, '[role=option]'), []);
  await page.keyboard.press('Escape');
  await main.getByRole('menuitem', { name: '?', exact: true }).tap();
  assert.deepEqual(await undersized(page, '[role=menu] [role=menuitem]'), []);
  await main.getByRole('menuitem', { name: 'Tension and Frequency' }).tap();
  assert.deepEqual(await undersized(page, `[data-name=mTension] :is(${kTargets})`), []);
  await page.getByRole('button', { name: 'Bye' }).tap();

  await main.getByRole('menuitem', { name: '?', exact: true }).tap();
  await main.getByRole('menuitem', { name: 'About' }).tap();
  assert.deepEqual(await undersized(page, `[data-name=mAbout] :is(${kTargets})`), []);
  await windowOf(page, 'About').getByRole('button', { name: 'Close' }).tap();

  await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('1E400');
  await main.getByRole('button', { name: 'Compute' }).tap();
  await page.getByRole('alertdialog').waitFor();
  assert.deepEqual(await undersized(page, '[role=alertdialog] button'), []);
  await context.close();
});

test('on a phone, pinch zoom enlarges the page and the windows keep the layout fitted at first', async () => {
  const { context, page } = await session.start(kPhone);
  const main = windowOf(page, 'Korvanel');
  const fitted = await main.boundingBox();
  const cdp = await context.newCDPSession(page);
  const touch = (type, points) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
  // Two fingers spread apart over the fret list.
  const y = fitted.y + fitted.height * 0.7;
  let [a, b] = [fitted.x + fitted.width * 0.4, fitted.x + fitted.width * 0.6];
  await touch('touchStart', [[a, y], [b, y]]);
  for (let step = 0; step < 8; ++step) {
    a -= 8;
    b += 8;
    await touch('touchMove', [[a, y], [b, y]]);
  }
  await touch('touchEnd', []);
  await page.waitForFunction(() => visualViewport.scale > 1.5);
  const layout = await main.evaluate((window) => [window.offsetLeft, window.offsetTop, window.style.transform]);
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
  assert.deepEqual(await main.evaluate((window) => [window.offsetLeft, window.offsetTop, window.style.transform]), layout);
  assert.match(layout[2], /^scale\(0\.6/);
  await context.close();
});
