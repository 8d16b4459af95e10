// File > Print in the page: the report's 35 lines go to the browser's print
// dialog in a fixed-pitch font at 10 points, and only they print; read back
// from the PDF of the print view.
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test } = require('node:test');
const { assert, windowOf, choose, useBrowser } = require('./support');

const session = useBrowser();

// The lines of the printout the page holds, with the font each is in.
function printout(page) {
  return page.locator('#printout > *').evaluateAll((lines) => lines.map((line) => {
    const style = getComputedStyle(line);
    return { text: line.textContent, size: style.fontSize, bold: style.fontWeight === '700',
      family: style.fontFamily };
  }));
}

// The lines of the one page of `pdf` (in a fixed-pitch font), rebuilt with
// their blanks from where pdftotext finds each word; the leftmost text
// stands behind a margin of three blanks.
function PrintedLines(pdf) {
  const words = [...execFileSync('pdftotext', ['-bbox', pdf, '-'], { encoding: 'utf8' })
    .matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<\/word>/g)]
    .map(([, xMin, yMin, xMax, text]) => ({ x: Number(xMin), y: Number(yMin),
      width: (Number(xMax) - Number(xMin)) / text.length, text }));
  // One advance for every character: the font's.
  const left = Math.min(...words.map((word) => word.x));
  const rows = [...new Set(words.map((word) => word.y))].sort((a, b) => a - b);
  const top = rows[0];
  const pitch = Math.min(...rows.slice(1).map((y, k) => y - rows[k]).filter((gap) => gap > 1));
  const widths = words.filter((word) => word.text.length > 2).map((word) => word.width).sort();
  const advance = widths[Math.floor(widths.length / 2)];
  const lines = [];
  for (const word of words.sort((a, b) => a.x - b.x)) {
    const row = Math.round((word.y - top) / pitch);
    const column = 3 + Math.round((word.x - left) / advance);
    while (lines.length <= row) lines.push('');
    lines[row] = lines[row].padEnd(column) + word.text;
  }
  return lines;
}

// Headless, the browser's print dialog never closes: the test counts the
// times it is asked for and prints the page itself.
async function startCountingPrints(options) {
  const started = await session.start(options);
  await started.page.evaluate(() => {
    window.printDialogs = 0;
    window.print = () => { window.printDialogs += 1; };
  });
  return started;
}

test('File > Print prints the 35 lines of the report, and nothing else of the page', async () => {
  const { context, page } = await startCountingPrints();
  const main = windowOf(page, 'Korvanel');
  await main.getByRole('button', { name: 'Compute' }).click();
  await choose(page, 'File', 'Print');
  const lines = await printout(page);
  assert.equal(lines.length, 35);
  assert.equal(lines[0].text, '   Korvanel');
  assert.equal(lines[5].text, '   Scale Guitar Length  =  650 mm');
  assert.equal(lines[8].text,
    '   Fret Number   | Distance from previous (mm)   | Whole Distance (mm)');
  assert.equal(lines[22].text, '    12           |   19.325                      |   325');
  assert.equal(lines[34].text, '    24           |    9.662                      |   487.5');
  assert.deepEqual(lines.map((line) => line.bold), [...Array(35).keys()].map((k) => k < 5));
  for (const line of lines) {
    assert.equal(line.size, '13.3333px', '10 points');
    assert.match(line.family, /^Fixedsys, "Korvanel Mono", monospace$/);
  }
  // The dialog opens once the printout's faces are there.
  await page.waitForFunction(() => window.printDialogs > 0);
  assert.equal(await page.evaluate(() => window.printDialogs), 1);
  assert.equal(await page.getByRole('alertdialog').count(), 0, 'the dialog gives no answer to tell');

  // The PDF places each word; in a fixed-pitch font its place gives its
  // column, and the line pitch the empty lines between.
  const pdf = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'korvanel-')), 'printout.pdf');
  fs.writeFileSync(pdf, await page.pdf({ format: 'A4' }));
  assert.deepEqual(PrintedLines(pdf), lines.map((line) => line.text));
  await context.close();
});

test('the heading writes the length with the decimal separator of the browser language', async () => {
  for (const [locale, length] of [['de-DE', '647,7'], ['en-GB', '647.7']]) {
    const { context, page } = await startCountingPrints({ locale });
    const main = windowOf(page, 'Korvanel');
    await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('647.7');
    await main.getByRole('button', { name: 'Compute' }).click();
    await choose(page, 'File', 'Print');
    const lines = await printout(page);
    assert.equal(lines[5].text, `   Scale Guitar Length  =  ${length} mm`);
    assert.equal(lines[11].text, '     1           |   36.352                      |    36.352');
    await context.close();
  }
});

// What the page holds for the browser's print when it is asked to print
// (by File > Print, unless `print` does it otherwise): whether every face of
// the printout is loaded for the text it shows, and the PDF of the print
// view.
async function printWithFaces(route, print = (page) => choose(page, 'File', 'Print')) {
  const context = await session.browser.newContext();
  await context.route('**/fonts/mono*.woff2', route);
  const page = await context.newPage();
  await page.goto(session.site.url);
  await windowOf(page, 'Korvanel').waitFor();
  await page.evaluate(() => {
    window.facesAtPrint = [];
    window.print = () => {
      const lines = [...document.querySelectorAll('#printout > *')];
      window.facesAtPrint = lines.map((line) => {
        const style = getComputedStyle(line);
        const font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
        return document.fonts.check(font, line.textContent || ' ');
      });
      window.systemFaces = document.getElementById('printout').classList.contains('system-faces');
    };
  });
  await windowOf(page, 'Korvanel').getByRole('button', { name: 'Compute' }).click();
  await print(page);
  await page.waitForFunction(() => window.facesAtPrint.length > 0, null, { timeout: 10000 });
  const atPrint = await page.evaluate(() => ({ faces: window.facesAtPrint, system: window.systemFaces }));
  const pdf = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'korvanel-')), 'printout.pdf');
  fs.writeFileSync(pdf, await page.pdf({ format: 'A4' }));
  await context.close();
  return { ...atPrint, lines: PrintedLines(pdf) };
}

test('the first print of a visit waits for the report\'s faces, the bold heading\'s too', async () => {
  // The faces come late, as on a slow first visit: each held back a second
  // and a half. File > Print and Ctrl+P alike.
  for (const print of [undefined, (page) => page.keyboard.press('Control+P')]) {
    const late = await printWithFaces(async (route) => {
      await new Promise((resolve) => setTimeout(resolve, 1500));
      await route.continue();
    }, print);
    assert.equal(late.faces.length, 35);
    assert.ok(late.faces.every((loaded) => loaded), 'every face loaded when the page is printed');
    assert.equal(late.system, false);
    assert.equal(late.lines.length, 35);
    assert.equal(late.lines[0], '   Korvanel');
    assert.equal(late.lines[34], '    24           |    9.662                      |   487.5');
  }

  // Faces that never come give way to the system's fixed-pitch face: never invisible text.
  const missing = await printWithFaces((route) => route.abort());
  assert.equal(missing.system, true);
  assert.equal(missing.lines.length, 35);
  assert.equal(missing.lines[0], '   Korvanel');
});

// The lines the PDF of the page holds when the browser prints it now, as
// its own Print does (its menu, or Ctrl+P once the page has done its part).
async function printedByBrowser(page) {
  const pdf = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'korvanel-')), 'printout.pdf');
  fs.writeFileSync(pdf, await page.pdf({ format: 'A4' }));
  return PrintedLines(pdf);
}

test('the browser\'s own Print prints what File > Print would print then, before and after a Compute', async () => {
  const { context, page } = await startCountingPrints();
  const main = windowOf(page, 'Korvanel');
  const printed = async () => (await printout(page)).map((line) => line.text);
  const kHeading = 5;

  // Before any Compute or File > Print: the browser's menu, then Ctrl+P
  // (the page's print, for which the dialog opens).
  const first = await printedByBrowser(page);
  assert.equal(first.length, 35);
  await page.keyboard.press('Control+P');
  await page.waitForFunction(() => window.printDialogs === 1);
  assert.deepEqual(first, await printed());
  await choose(page, 'File', 'Print');
  assert.deepEqual(first, await printed());

  // Ctrl+P after a Compute.
  await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('628');
  await main.getByRole('button', { name: 'Compute' }).click();
  await page.keyboard.press('Control+P');
  await page.waitForFunction(() => window.printDialogs === 3);
  const afterCompute = await printed();
  assert.equal(afterCompute[kHeading], '   Scale Guitar Length  =  628 mm');
  assert.deepEqual(await printedByBrowser(page), afterCompute);

  // The browser's menu after another Compute: never the report before it.
  await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('612');
  await main.getByRole('button', { name: 'Compute' }).click();
  const again = await printedByBrowser(page);
  assert.equal(again[kHeading], '   Scale Guitar Length  =  612 mm');
  await choose(page, 'File', 'Print');
  assert.deepEqual(again, await printed());
  await page.waitForFunction(() => window.printDialogs >= 4);
  assert.equal(await page.evaluate(() => window.printDialogs), 4, 'the browser\'s menu opens no second dialog');
  await context.close();
});
