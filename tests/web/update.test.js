// A new release reaches a returning user, whatever the host tells browsers
// about keeping its files: the service worker fills its store with the new
// build's own files, never the browser's copies of the old ones, and never
// with a mix of the two (as while a host is still being published to); the
// page that runs is never reloaded under the user.
'use strict';

const { execFileSync } = require('node:child_process');
const crypto = require('node:crypto');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test } = require('node:test');
const { SITE, CACHING, assert, serve, windowOf, rows, useBrowser } = require('./support');

const session = useBrowser();
const PAGE_FILES = path.join(__dirname, '../../resources/web');

function folderOf(name) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `korvanel-${name}-`));
}

function filesOf(folder, prefix = '') {
  return fs.readdirSync(path.join(folder, prefix), { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? filesOf(folder, `${prefix}${entry.name}/`) : [`${prefix}${entry.name}`]);
}

const digest = (file) => crypto.createHash('sha256').update(fs.readFileSync(file)).digest('hex');

// The next release, made from this build: the page (with its style and the
// program's script in it) and its module changed by what only names the
// build, and the worker that the site's build writes for them.
function nextRelease() {
  const folder = folderOf('next');
  fs.cpSync(SITE, folder, { recursive: true });
  const index = path.join(folder, 'index.html');
  fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('<html lang="en">', '<html lang="en" data-release="next">'));
  const name = Buffer.from('release');
  const payload = Buffer.from('next');
  fs.appendFileSync(path.join(folder, 'korvanel.wasm'),
    Buffer.concat([Buffer.from([0, 1 + name.length + payload.length, name.length]), name, payload]));
  execFileSync('cmake', [`-DSITE=${folder}`, `-DTEMPLATE=${PAGE_FILES}/sw.js`, '-P',
    `${PAGE_FILES}/ServiceWorker.cmake`]);
  return folder;
}

// Copies the files of `release` that `published` takes onto the host's
// folder, as they are written there now.
function publish(release, host, published = () => true) {
  for (const file of filesOf(release).filter(published)) {
    fs.copyFileSync(path.join(release, file), path.join(host, file));
  }
}

// What the page's service worker keeps, once what it was doing is done:
// each store by name, with the digest of each file it holds.
function kept(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update().catch(() => {});
    while (registration.installing || registration.waiting ||
           registration.active?.state !== 'activated') {
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    const stores = {};
    for (const name of await caches.keys()) {
      const store = await caches.open(name);
      stores[name] = {};
      for (const request of await store.keys()) {
        const body = await (await store.match(request)).arrayBuffer();
        const hash = new Uint8Array(await crypto.subtle.digest('SHA-256', body));
        stores[name][new URL(request.url).pathname.slice(1) || 'index.html'] =
          [...hash].map((byte) => byte.toString(16).padStart(2, '0')).join('');
      }
    }
    return stores;
  });
}

// The store a release's worker fills, with its files as the release has them.
function storeOf(release) {
  const name = /"(korvanel-[0-9a-f]+)"/.exec(fs.readFileSync(path.join(release, 'sw.js'), 'utf8'))[1];
  const files = Object.fromEntries(filesOf(release).filter((file) => file !== 'sw.js')
    .map((file) => [file, digest(path.join(release, file))]));
  return { [name]: files };
}

async function visit(context, site) {
  const page = await context.newPage();
  await page.goto(site.url);
  await windowOf(page, 'Korvanel').waitFor();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  return page;
}

const releaseOf = (page) => page.evaluate(() => document.documentElement.dataset.release || 'first');

for (const caching of CACHING) {
  test(`a user of the first release runs the next by the second visit after it, from a host that sends ${caching}`, async () => {
    const host = folderOf('host');
    fs.cpSync(SITE, host, { recursive: true });
    // Published long ago: a browser guesses from Last-Modified to keep the
    // files for a day.
    const longAgo = new Date(Date.now() - 10 * 24 * 3600 * 1000);
    for (const file of filesOf(host)) fs.utimesSync(path.join(host, file), longAgo, longAgo);
    const first = folderOf('first');
    fs.cpSync(host, first, { recursive: true });
    const next = nextRelease();
    const site = await serve(host, caching);
    const context = await session.browser.newContext();

    let page = await visit(context, site);
    assert.equal(await releaseOf(page), 'first');
    assert.deepEqual(await kept(page), storeOf(first));
    await page.close();

    // Half published: the new worker finds a module of the first release,
    // keeps nothing of the next and leaves the first release's store alone.
    publish(next, host, (file) => file !== 'korvanel.wasm');
    page = await visit(context, site);
    assert.equal(await releaseOf(page), 'first');
    assert.deepEqual(await kept(page), storeOf(first));
    await page.close();

    publish(next, host);
    page = await visit(context, site);
    await page.evaluate(() => { window.visited = true; });
    assert.deepEqual(await kept(page), storeOf(next));
    assert.equal(await page.evaluate(() => window.visited), true, 'the page was not reloaded');
    await page.close();

    page = await visit(context, site);
    assert.equal(await releaseOf(page), 'next');
    const main = windowOf(page, 'Korvanel');
    await main.getByRole('button', { name: 'Compute' }).click();
    assert.equal((await rows(main)).length, 27);
    assert.deepEqual(await kept(page), storeOf(next));
    await context.close();
    await site.close();
    for (const folder of [host, first, next]) fs.rmSync(folder, { recursive: true });
  });
}
