// The program's windows in the page, where the page is their window
// manager: the menu bar's keyboard, keys on buttons, the start again after
// the program ended, windows centred, raised and moved, their fonts and
// colours, and where the focus goes when a window closes. The windows'
// behaviour itself (texts, rows, tab order, places, menus, messages) is the
// behaviour suite's, run on the page by desktop.test.js.
'use strict';

const { test } = require('node:test');
const { assert, windowOf, choose, useBrowser } = require('./support');

const session = useBrowser();

async function program(options) {
  const started = await session.start(options);
  return { ...started, main: windowOf(started.page, 'Korvanel') };
}

test('the keyboard reaches every menu item of the menu bar', async () => {
  const { context, page, main } = await program();
  await page.keyboard.press('F10');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Tension and Frequency');
  await page.keyboard.press('Escape');
  assert.equal(await main.getByRole('menu', { name: '?' }).isVisible(), false, 'Esc closes it');
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Compute',
    'leaving the bar gives the focus back');
  await page.keyboard.press('Alt');
  await page.keyboard.press('Enter');
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Enter');
  assert.equal(await page.getByText('Korvanel has ended.').isVisible(), true, 'Alt, File, Exit');
  await context.close();
});

test('a button with the focus takes Space from the keyboard', async () => {
  const { context, page } = await program();
  await choose(page, '?', 'About');
  await page.keyboard.press('Space');
  assert.equal(await windowOf(page, 'About').count(), 0);
  await context.close();
});

test('once File > Exit has ended the program, the page offers to start it again', async () => {
  const { context, page } = await program();
  await choose(page, 'File', 'Exit');
  await page.getByRole('button', { name: 'Start Korvanel again' }).click();
  await windowOf(page, 'Korvanel').waitFor();
  await context.close();
});

test('windows open centred, come forward when pressed and move by their title bar', async () => {
  const { context, page, main } = await program({ viewport: { width: 1280, height: 900 } });
  const box = await main.boundingBox();
  assert.ok(Math.abs(box.x + box.width / 2 - 640) <= 1 && Math.abs(box.y + box.height / 2 - 450) <= 1,
    JSON.stringify(box));
  await choose(page, '?', 'About');
  const about = windowOf(page, 'About');
  const layer = (window) => window.evaluate((element) => Number(getComputedStyle(element).zIndex));
  assert.ok(await layer(about) > await layer(main));
  await main.getByRole('table').click();
  assert.ok(await layer(main) > await layer(about));
  const title = main.getByText('Korvanel', { exact: true }).first();
  await title.hover();
  await page.mouse.down();
  await page.mouse.move(box.x + 100, box.y + 20, { steps: 4 });
  await page.mouse.up();
  const moved = await main.boundingBox();
  assert.ok(moved.x < box.x - 50, `${moved.x} after ${box.x}`);
  await context.close();
});

test('every label shows its whole text on its one line, in the designs fonts or their stand-ins and colours', async () => {
  const { context, page, errors } = await program();
  await choose(page, '?', 'Tension and Frequency');
  await choose(page, '?', 'About');
  assert.equal(await windowOf(page, 'About').getByText('Korvanel', { exact: true }).evaluate(
    (title) => getComputedStyle(title).color), 'rgb(0, 0, 192)');
  const cut = await page.locator('.label').evaluateAll((labels) => labels
    .filter((label) => !/^_+$/.test(label.textContent) && label.scrollWidth > label.clientWidth)
    .map((label) => `${label.textContent} (${label.scrollWidth} > ${label.clientWidth})`));
  assert.deepEqual(cut, []);
  const fixedPitch = await page.getByRole('table').first().evaluate(
    (table) => getComputedStyle(table.closest('.list')).fontFamily);
  assert.match(fixedPitch, /"Courier New", "Korvanel Mono", monospace/);
  assert.deepEqual(errors, [], 'the page met no error');
  await context.close();
});

test('closing a window gives the focus to the window now in front, to the control that had it last there', async () => {
  const { context, page, main } = await program();
  // The window and the control the focus is in, by their design names.
  const focused = () => page.evaluate(() => {
    const control = document.activeElement.closest('[data-name]');
    return [control.closest('.window').dataset.name, control.dataset.name];
  });
  const box = main.getByRole('combobox', { name: 'Scale Guitar Length' });
  await box.fill('1E400');
  await box.press('Enter');
  await page.getByRole('alertdialog').waitFor();
  await page.keyboard.press('Enter');
  assert.deepEqual(await focused(), ['mMain', 'cmbLength'], 'the message box closed by Enter');

  await choose(page, '?', 'About');
  await page.keyboard.press('Enter');
  assert.deepEqual(await focused(), ['mMain', 'cmbLength'], 'About closed by Enter on OK');
  await page.keyboard.press('F10');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'File',
    'F10 reaches the menu bar again');
  await page.keyboard.press('Escape');
  assert.deepEqual(await focused(), ['mMain', 'cmbLength']);

  await choose(page, '?', 'Tension and Frequency');
  await windowOf(page, 'Frequency and Tension').getByRole('button', { name: 'Bye' }).click();
  assert.deepEqual(await focused(), ['mMain', 'cmbLength'], '"Bye"');
  await choose(page, '?', 'Tension and Frequency');
  await windowOf(page, 'Frequency and Tension').getByRole('button', { name: 'Close' }).click();
  assert.deepEqual(await focused(), ['mMain', 'cmbLength'], 'the close box');

  await choose(page, '?', 'About');
  await main.getByRole('table').click();
  await main.getByRole('button', { name: 'Close' }).click();
  assert.deepEqual(await focused(), ['mAbout', 'btnOK'], 'the main window closed, About is in front');
  await context.close();
});
