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

test('the manifest names the program and its icons, enlarged without blurring, one of them maskable', async () => {
  const manifest = JSON.parse(fs.readFileSync(path.join(SITE, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.name, 'Korvanel');
  assert.equal(manifest.id, './');
  assert.equal(manifest.display, 'standalone');
  assert.deepEqual(manifest.icons.map((icon) => `${icon.sizes} ${icon.purpose}`),
    ['192x192 any', '512x512 any', '512x512 maskable']);
  const { context, page } = await session.start();
  const icons = await page.evaluate(async () => {
    const pixels = async (file) => {
      const image = await createImageBitmap(await (await fetch(file)).blob());
      const canvas = new OffscreenCanvas(image.width, image.height);
      const drawing = canvas.getContext('2d');
      drawing.drawImage(image, 0, 0);
      return drawing.getImageData(0, 0, image.width, image.height).data;
    };
    const small = await pixels('icons/32.png');
    const at = (data, size, x, y) => data.slice((y * size + x) * 4, (y * size + x) * 4 + 4).join();
    // Every 6 x 6 square of the 192-pixel icon is one pixel of the 32-pixel one.
    const large = await pixels('icons/192.png');
    let sharp = true;
    for (let y = 0; y < 192; ++y) {
      for (let x = 0; x < 192; ++x) {
        sharp &&= at(large, 192, x, y) === at(small, 32, Math.floor(x / 6), Math.floor(y / 6));
      }
    }
    // The maskable one is opaque, and its drawing lies inside the circle of
    // 80% that a launcher keeps.
    const maskable = await pixels('icons/maskable-512.png');
    const background = at(maskable, 512, 0, 0);
    let opaque = true;
    let drawnOutside = 0;
    let drawn = 0;
    for (let y = 0; y < 512; ++y) {
      for (let x = 0; x < 512; ++x) {
        opaque &&= maskable[(y * 512 + x) * 4 + 3] === 255;
        if (at(maskable, 512, x, y) === background) continue;
        drawn += 1;
        if (Math.hypot(x + 0.5 - 256, y + 0.5 - 256) > 0.4 * 512) drawnOutside += 1;
      }
    }
    return { sharp, opaque, drawn, drawnOutside };
  });
  assert.equal(icons.sharp, true);
  assert.equal(icons.opaque, true);
  assert.ok(icons.drawn > 20000, `${icons.drawn} pixels of the drawing`);
  assert.equal(icons.drawnOutside, 0);
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
  // The Content Security Policy lets nothing of another origin in, and no
  // text in as markup or script: the program writes none.
  const refused = await page.evaluate(() => fetch('http://example.invalid/').then(() => false, () => true));
  assert.equal(refused, true);
  const markupRefused = await page.evaluate(() => {
    try {
      document.getElementById('printout').innerHTML = '<b>text as markup</b>';
      return false;
    } catch (error) {
      return error instanceof TypeError;
    }
  });
  assert.equal(markupRefused, true);
  await context.close();
});
