// The Fret Template window's own ways out of the page: its pages printed at
// 1:1 on paper of their size (read back from Chromium's PDFs by
// check_files.py, as the desktops' printouts are), by Print... and by the
// browser's own Print, and its files saved through the browser's save
// picker, whole, or as a download where the browser has none.
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test } = require('node:test');
const { SITE, assert, serve, windowOf, choose, useBrowser } = require('./support');

const session = useBrowser();

async function openTemplate() {
  const started = await session.start();
  await choose(started.page, 'File', 'Fret Template...');
  const window = windowOf(started.page, 'Fret Template');
  await window.waitFor();
  return { ...started, window };
}

// What the printout holds when the browser is asked to print: its pages'
// sizes, its lines, and the paper the page asks for.
async function recordPrints(page) {
  await page.evaluate(() => {
    window.prints = [];
    window.print = () => {
      const rules = [...document.styleSheets].flatMap((sheet) => [...sheet.cssRules])
        .map((rule) => rule.cssText).filter((text) => /@page \{ size:/.test(text));
      window.prints.push({
        pages: [...document.querySelectorAll('#printout > svg.printed-page')]
          .map((svg) => `${svg.getAttribute('width')} x ${svg.getAttribute('height')}`),
        lines: document.querySelectorAll('#printout > .printed-line').length,
        paper: rules.join(' '),
      });
    };
  });
}

test('each sample board\'s pages print from the page at 1:1, every fret in its place', async () => {
  const site = await serve(path.join(SITE, '..'));
  const page = await session.browser.newPage();
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'korvanel-pages-'));
  try {
    await page.goto(`${site.url}tests/web/pages/pages.html`);
    await page.waitForFunction(() => window.pagesReady === true);
    await page.evaluate(() => document.fonts.ready);
    const count = await page.evaluate(() => Module.sampleCount());
    for (let sample = 0; sample < count; ++sample) {
      const { name, json } = await page.evaluate((i) => Module.printSample(i), sample);
      fs.writeFileSync(path.join(folder, `${name}.json`), json);
      await page.pdf({ path: path.join(folder, `${name}-web.pdf`), preferCSSPageSize: true });
    }
    const report = execFileSync('/usr/bin/python3',
      [path.join(__dirname, '../template/check_files.py'), '--printed', folder, 'web'],
      { encoding: 'utf8' });
    assert.equal(report.match(/printed pages read back/g).length, count, report);
  } finally {
    await page.close();
    await site.close();
    fs.rmSync(folder, { recursive: true, force: true });
  }
});

test('Print... and the browser\'s own Print print the template\'s pages, the report its lines', async () => {
  const { context, page, window, errors } = await openTemplate();
  await recordPrints(page);
  await window.getByRole('button', { name: 'Print...', exact: true }).click();
  await page.waitForFunction(() => window.prints.length === 1);
  await window.getByRole('button', { name: 'Draw', exact: true }).focus();
  await page.keyboard.press('Control+P');
  await page.waitForFunction(() => window.prints.length === 2);
  const [printed, browserPrinted] = await page.evaluate(() => window.prints);
  // The browser's language is American English: Letter, across for a board
  // of 650 mm.
  assert.ok(printed.pages.length > 1, JSON.stringify(printed));
  assert.ok(printed.pages.every((size) => size === '279.4mm x 215.9mm'), JSON.stringify(printed));
  assert.equal(printed.lines, 0);
  assert.match(printed.paper, /@page \{ size: 279\.4mm 215\.9mm; margin: 0px; \}/);
  assert.deepEqual(browserPrinted, printed);

  // The main window's report afterwards asks for no paper of its own.
  await window.locator('[data-name=btnClose]').click();
  await windowOf(page, 'Korvanel').getByRole('button', { name: 'Compute', exact: true }).click();
  await choose(page, 'File', 'Print');
  await page.waitForFunction(() => window.prints.length === 3);
  const report = await page.evaluate(() => window.prints[2]);
  assert.deepEqual(report, { pages: [], lines: 35, paper: '' });
  assert.deepEqual(errors, []);
  await context.close();
});

// A save picker of the test's own: it proposes what the page suggests and
// keeps what is written, unless told to cancel or to fail the write.
async function usePicker(page, answer) {
  await page.evaluate((how) => {
    window.saves = [];
    window.showSaveFilePicker = async (options) => {
      if (how === 'cancel') throw new DOMException('The user aborted a request.', 'AbortError');
      const save = { options: JSON.parse(JSON.stringify(options)), text: null };
      window.saves.push(save);
      return {
        name: options.suggestedName,
        createWritable: async () => {
          let written = '';
          return {
            write: async (blob) => {
              if (how === 'fail') throw new DOMException('There is no space left', 'QuotaExceededError');
              written += await blob.text();
            },
            close: async () => { save.text = written; },
            abort: async () => {},
          };
        },
      };
    };
  }, answer);
}

test('saves go whole through the save picker, a cancel is quiet, a failed write told; else a download', async () => {
  const { context, page, window, errors } = await openTemplate();
  const button = (name) => window.getByRole('button', { name, exact: true });
  await usePicker(page, 'save');
  await button('Save SVG...').click();
  await button('Save DXF...').click();
  await page.waitForFunction(() => window.saves.length === 2 && window.saves[1].text !== null);
  const [svg, dxf] = await page.evaluate(() => window.saves);
  assert.match(svg.options.suggestedName, /\.svg$/);
  assert.deepEqual(svg.options.types[0].accept, { 'image/svg+xml': ['.svg'] });
  assert.match(svg.text, /<svg [^>]*width="[\d.]+mm"/);
  assert.match(dxf.options.suggestedName, /\.dxf$/);
  assert.match(dxf.text, /\$INSUNITS[\s\S]*EOF\s*$/);

  await usePicker(page, 'cancel');
  await button('Save SVG...').click();
  await page.evaluate(() => new Promise((done) => setTimeout(done, 200)));
  assert.equal(await page.getByRole('alertdialog').count(), 0);

  await usePicker(page, 'fail');
  await button('Save SVG...').click();
  const message = page.getByRole('alertdialog', { name: 'Korvanel' });
  await message.waitFor();
  assert.equal(await message.locator('.message-text').textContent(),
    `The file ${svg.options.suggestedName} could not be saved: There is no space left.`);
  await message.getByRole('button', { name: 'OK' }).click();

  await page.evaluate(() => { window.showSaveFilePicker = undefined; });
  const [download] = await Promise.all([page.waitForEvent('download'), button('Save DXF...').click()]);
  assert.equal(download.suggestedFilename(), dxf.options.suggestedName);
  assert.equal(fs.readFileSync(await download.path(), 'utf8'), dxf.text);
  assert.deepEqual(errors, []);
  await context.close();
});
