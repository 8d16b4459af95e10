// The behaviour suite and the soak of the desktop runtimes (tests/behaviour,
// tests/soak), in Chromium through the page's user (Desktop.cpp): the one
// KORVANEL_SUITE names, a program in a page of its own beside the site, its
// GoogleTest report read from the page's console and written out as it
// comes, so that a run that hangs shows how far it got. KORVANEL_SOAK_ACTIONS,
// KORVANEL_SOAK_SEED and GTEST_FILTER, when set, pass on to it.
'use strict';

const path = require('node:path');
const { test } = require('node:test');
const { SITE, assert, serve, launch } = require('./support');

const suite = process.env.KORVANEL_SUITE;
const kPassedOn = ['KORVANEL_SOAK_ACTIONS', 'KORVANEL_SOAK_SEED', 'GTEST_FILTER'];

test(`${suite} passes in the page`, async () => {
  assert.ok(suite, 'KORVANEL_SUITE names no suite');
  const query = new URLSearchParams({ suite });
  for (const name of kPassedOn) {
    if (process.env[name] !== undefined) query.set(name, process.env[name]);
  }
  const site = await serve(path.join(SITE, '..'));
  const browser = await launch();
  const output = [];
  let status;
  try {
    const page = await browser.newPage();
    const told = (line) => {
      output.push(line);
      process.stdout.write(`${line}\n`);
    };
    page.on('console', (message) => told(message.text()));
    page.on('pageerror', (error) => told(`page error: ${error.message}`));
    await page.goto(`${site.url}tests/web/desktop.html?${query}`);
    // CTest's timeout bounds the run.
    await page.waitForFunction(() => window.suiteStatus !== undefined, null, { timeout: 0 });
    status = await page.evaluate(() => window.suiteStatus);
  } finally {
    await browser.close();
    await site.close();
  }
  const report = output.join('\n');
  assert.equal(status, 0, 'the exit status, after the report above');
  const passed = report.match(/^\[ {2}PASSED {2}\] (\d+) tests?\./m);
  assert.ok(passed && Number(passed[1]) > 0, 'no test passed');
  assert.doesNotMatch(report, /\[ {2}FAILED {2}\]/);
});
