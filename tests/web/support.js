// What the page's tests share: the site served on a port of its own (as a
// static host serves it), Debian's Chromium headless with Playwright, and
// the program's windows and controls found by their roles and names, as a
// user and a screen reader find them.
'use strict';

const assert = require('node:assert/strict');
const crypto = require('node:crypto');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');
const { after, before } = require('node:test');
const { chromium } = require('playwright-core');

const SITE = process.env.KORVANEL_SITE || path.join(__dirname, '../../build-web/site');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.woff2': 'font/woff2',
};

// What a host tells browsers about keeping its files, as static hosts do:
// ask each time ('no-cache', with an ETag), keep each file ten minutes
// ('max-age', a common host's default, with an ETag), or only the file's
// Last-Modified time, from which the browser guesses how long to keep it
// (nginx's and python3 -m http.server's default).
const CACHING = ['no-cache', 'max-age', 'last-modified'];

// Serves `root` on 127.0.0.1 as a static host does (compressed with gzip
// where a host would, once per version of a file, answering a browser that
// has a file already with 304), with `caching` of CACHING, and counts the
// bytes each request sent.
function serve(root = SITE, caching = 'no-cache') {
  const sent = [];
  const compressed = new Map();
  const gzip = (tag, body) => {
    if (!compressed.has(tag)) compressed.set(tag, zlib.gzipSync(body, { level: 9 }));
    return compressed.get(tag);
  };
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    let file = path.join(root, name.endsWith('/') ? `${name}index.html` : name);
    if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    let body = fs.readFileSync(file);
    const type = TYPES[path.extname(file)] || 'application/octet-stream';
    const tag = `"${crypto.createHash('sha256').update(body).digest('hex').slice(0, 16)}"`;
    const modified = new Date(Math.floor(fs.statSync(file).mtimeMs / 1000) * 1000);
    const headers = { 'Content-Type': type };
    if (caching === 'last-modified') {
      headers['Last-Modified'] = modified.toUTCString();
    } else {
      headers['Cache-Control'] = caching === 'max-age' ? 'max-age=600' : 'no-cache';
      headers.ETag = tag;
    }
    const since = Date.parse(request.headers['if-modified-since'] || '');
    if (caching === 'last-modified' ? since >= modified.getTime()
      : request.headers['if-none-match'] === tag) {
      sent.push({ name, bytes: 0 });
      response.writeHead(304, headers).end();
      return;
    }
    if (!type.startsWith('image/') && !type.startsWith('font/') &&
        /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      body = gzip(tag, body);
      headers['Content-Encoding'] = 'gzip';
    }
    sent.push({ name, bytes: body.length });
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        sent,
        close: () => new Promise((done) => { server.closeAllConnections(); server.close(done); }),
      });
    });
  });
}

// Headless Chromium draws no address bar, yet builds its omnibox popup's
// pages for every new window: some 300 ms of processor time that would run
// beside each page tested or timed.
function launch() {
  return chromium.launch({
    executablePath: process.env.KORVANEL_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run',
      '--disable-features=WebUIOmniboxPopup,WebUIOmniboxFullPopup,WebUIOmniboxAimPopup'],
  });
}

// The program started in a fresh context of `browser`: its page, the
// requests it made, and the errors the page met (none are expected).
async function start(browser, site, options = {}) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const errors = [];
  const requests = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('request', (request) => requests.push(request.url()));
  await page.goto(site.url);
  await windowOf(page, 'Korvanel').waitFor();
  return { context, page, errors, requests };
}

function windowOf(page, caption) {
  return page.getByRole('dialog', { name: caption, exact: true });
}

// The texts of every row of a window's list, cell by cell.
function rows(window) {
  return window.getByRole('table').locator('tbody tr').evaluateAll(
    (trs) => trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
}

// Chooses `item` of `menu` in the main window's menu bar, by pointer.
async function choose(page, menu, item) {
  const main = windowOf(page, 'Korvanel');
  await main.getByRole('menuitem', { name: menu, exact: true }).click();
  await main.getByRole('menuitem', { name: item, exact: true }).click();
}

// The site served and the browser started for the tests of one file, and
// both stopped after them.
function useBrowser() {
  const shared = {};
  before(async () => {
    shared.site = await serve();
    shared.browser = await launch();
  });
  after(async () => {
    await shared.browser.close();
    await shared.site.close();
  });
  shared.start = (options) => start(shared.browser, shared.site, options);
  return shared;
}

module.exports = { SITE, CACHING, assert, serve, launch, start, useBrowser, windowOf, rows, choose };
