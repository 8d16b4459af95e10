// The random-user soak of tests/soak (the same program as on the desktop
// runtimes), in Chromium through the page's user: ten thousand actions, the
// invariants after each, and the page's elements and the values its program
// holds the same after a thousand rounds of use.
'use strict';

const path = require('node:path');
const { test } = require('node:test');
const { SITE, assert, serve, launch } = require('./support');

test('the soak of the desktop runtimes passes in the page', async () => {
  const site = await serve(path.join(SITE, '..'));
  const browser = await launch();
  const page = await browser.newPage();
  const output = [];
  page.on('console', (message) => output.push(message.text()));
  page.on('pageerror', (error) => output.push(`page error: ${error.message}`));
  await page.goto(`${site.url}tests/web/soak.html`);
  await page.waitForFunction(() => window.soakStatus !== undefined, null, { timeout: 300_000 });
  const status = await page.evaluate(() => window.soakStatus);
  await browser.close();
  await site.close();
  const report = output.join('\n');
  assert.equal(status, 0, report);
  assert.match(report, /\[ {2}PASSED {2}\] 2 tests\./, report);
  assert.doesNotMatch(report, /\[ {2}FAILED {2}\]/, report);
});
