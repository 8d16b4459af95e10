// Installable and offline: after one visit the page starts with no network
// from what its service worker keeps, which is the site's own files and
// nothing else; it asks for no permission, sends nothing to another origin
// and stores nothing of its own.
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const { test } = require('node:test');
const { SITE, assert, windowOf, rows, choose, useBrowser } = require('./support');

const session = useBrowser();

function siteFiles(folder = SITE, prefix = '/') {
  return fs.readdirSync(folder, { withFileTypes: true }).flatMap((entry) => (entry.isDirectory()
    ? siteFiles(path.join(folder, entry.name), `${prefix}${entry.name}/`)
    : [`${prefix}${entry.name}`]));
}

test('after one visit the program starts with no network', async () => {
  const { context, page } = await session.start();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const kept = await page.evaluate(async () => {
    const stores = await caches.keys();
    const store = await caches.open(stores[0]);
    return { stores: stores.length, files: (await store.keys()).map((r) => new URL(r.url).pathname) };
  });
  assert.equal(kept.stores, 1);
  assert.deepEqual(kept.files.sort(), ['/', ...siteFiles().filter((file) => file !== '/sw.js')].sort());

  await context.setOffline(true);
  await page.reload();
  const main = windowOf(page, 'Korvanel');
  await main.waitFor();
  await main.getByRole('button', { name: 'Compute' }).click();
  assert.equal((await rows(main)).length, 27);
  await context.close();
});

test('the manifest names the program and its icons, enlarged without blurring', async () => {
  const manifest = JSON.parse(fs.readFileSync(path.join(SITE, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.name, 'Korvanel');
  assert.equal(manifest.display, 'standalone');
  assert.deepEqual(manifest.icons.map((icon) => icon.sizes), ['192x192', '512x512']);
  const { context, page } = await session.start();
  // Every 6 x 6 square of the 192-pixel icon is one pixel of the 32-pixel one.
  const sharp = await page.evaluate(async () => {
    const pixels = async (file) => {
      const image = await createImageBitmap(await (await fetch(file)).blob());
      const canvas = new OffscreenCanvas(image.width, image.height);
      const drawing = canvas.getContext('2d');
      drawing.drawImage(image, 0, 0);
      return drawing.getImageData(0, 0, image.width, image.height).data;
    };
    const small = await pixels('icons/32.png');
    const large = await pixels('icons/192.png');
    for (let y = 0; y < 192; ++y) {
      for (let x = 0; x < 192; ++x) {
        for (let c = 0; c < 4; ++c) {
          if (large[(y * 192 + x) * 4 + c] !== small[(Math.floor(y / 6) * 32 + Math.floor(x / 6)) * 4 + c]) {
            return false;
          }
        }
      }
    }
    return true;
  });
  assert.equal(sharp, true);
  await context.close();
});

test('the page asks for no permission, sends nothing elsewhere and stores nothing of its own', async () => {
  const { context, page, requests } = await session.start();
  await page.evaluate(() => { window.print = () => {}; });
  const main = windowOf(page, 'Korvanel');
  await main.getByRole('button', { name: 'Compute' }).click();
  await choose(page, 'File', 'Print');
  await choose(page, '?', 'Tension and Frequency');
  await choose(page, '?', 'About');
  assert.deepEqual(requests.filter((url) => !url.startsWith(session.site.url)), []);
  assert.deepEqual(await context.cookies(), []);
  const stored = await page.evaluate(async () => ({
    local: localStorage.length, session: sessionStorage.length,
    databases: (await indexedDB.databases()).length,
  }));
  assert.deepEqual(stored, { local: 0, session: 0, databases: 0 });
  // The Content Security Policy lets nothing of another origin in.
  const refused = await page.evaluate(() => fetch('http://example.invalid/').then(() => false, () => true));
  assert.equal(refused, true);
  await context.close();
});
