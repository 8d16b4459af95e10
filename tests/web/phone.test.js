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
