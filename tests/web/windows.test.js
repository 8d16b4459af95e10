// The program's windows in the page, through what a user sees and does:
// the main window's lengths, Compute and its rows, the message for a length
// too large, the keyboard, the menus, the information windows' single
// instances, and how the program ends.
'use strict';

const { test } = require('node:test');
const { assert, windowOf, rows, choose, useBrowser } = require('./support');

const session = useBrowser();

async function program(options) {
  const started = await session.start(options);
  return { ...started, main: windowOf(started.page, 'Korvanel') };
}

test('the main window opens with 650 among the fifteen lengths, an empty list and the focus on Compute', async () => {
  const { context, page, main, errors } = await program();
  assert.equal(await main.getByRole('button', { name: 'Compute' }).evaluate(
    (button) => button === document.activeElement), true);
  const box = main.getByRole('combobox', { name: 'Scale Guitar Length' });
  assert.equal(await box.inputValue(), '650');
  await main.getByRole('button', { name: 'Scale Guitar Length' }).click();
  const entries = main.getByRole('listbox', { name: 'Scale Guitar Length' }).getByRole('option');
  assert.deepEqual(await entries.allTextContents(),
    ['600', '605', '610', '615', '620', '625', '630', '635', '640', '645', '650', '655', '660',
      '665', '670']);
  assert.equal(await entries.nth(10).getAttribute('aria-selected'), 'true');
  await page.keyboard.press('Escape');
  assert.deepEqual(await rows(main), []);
  assert.deepEqual(errors, []);
  await context.close();
});

test('Compute lists the 27 rows with every blank, by the button or Enter anywhere in the window', async () => {
  const { context, page, main } = await program();
  await main.getByRole('button', { name: 'Compute' }).click();
  const listed = await rows(main);
  assert.equal(listed.length, 27);
  assert.deepEqual(listed[26], [' Bridge', ' 162.5', ' 650']);

  const box = main.getByRole('combobox', { name: 'Scale Guitar Length' });
  await box.fill('647.7 mm');
  await box.press('Enter');
  assert.deepEqual((await rows(main))[26], [' Bridge', ' 161.92', ' 647.7']);
  await box.fill('abc');
  await main.getByRole('table').focus();
  await page.keyboard.press('Enter');
  assert.deepEqual((await rows(main))[1], ['  1', '  0.000', '   0.000']);
  assert.equal(await main.locator('[role=option]').count(), 15, 'typed text is not added');
  await context.close();
});

test('a length too large is told in a message box inside the page and the table stays', async () => {
  const { context, page, main } = await program();
  await main.getByRole('button', { name: 'Compute' }).click();
  const before = await rows(main);
  await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('1E400');
  await main.getByRole('button', { name: 'Compute' }).click();
  const box = page.getByRole('alertdialog', { name: 'Korvanel' });
  await box.waitFor();
  assert.equal(await box.getByText('The scale length is too large.', { exact: true }).count(), 1);
  assert.equal(await main.evaluate((window) => window.inert), true, 'its window takes no input');
  await page.keyboard.press('Enter');
  await box.waitFor({ state: 'detached' });
  assert.equal(await main.evaluate((window) => window.inert), false);
  assert.deepEqual(await rows(main), before);
  await context.close();
});

test('Tab goes from Compute to the list to the combo box, and round', async () => {
  const { context, page, main } = await program();
  const focused = () => page.evaluate(() => document.activeElement.getAttribute('role') ||
    document.activeElement.tagName.toLowerCase());
  assert.equal(await focused(), 'button');
  await page.keyboard.press('Tab');
  assert.equal(await focused(), 'table');
  await page.keyboard.press('Tab');
  assert.equal(await focused(), 'combobox');
  await page.keyboard.press('Shift+Tab');
  assert.equal(await focused(), 'table');
  assert.equal(await main.count(), 1);
  await context.close();
});

test('the menu bar holds both menus in order and the keyboard reaches every item', async () => {
  const { context, page, main } = await program();
  const bar = main.getByRole('menubar');
  const menus = bar.locator(':scope > * > [role=menuitem]');
  assert.deepEqual(await menus.allTextContents(), ['File', '?']);
  // Closed menus are hidden, from screen readers too.
  const items = (menu) => main.locator(`[role=menu][aria-label="${menu}"]`)
    .locator('[role=menuitem], [role=separator]')
    .evaluateAll((all) => all.map((item) => item.textContent || '-'));
  assert.deepEqual(await items('File'), ['Print', '-', 'Exit']);
  assert.deepEqual(await items('?'), ['Tension and Frequency', '-', 'About']);

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

test('the information windows open once, close with their button or close box and open again', async () => {
  const { context, page, main } = await program();
  await choose(page, '?', 'Tension and Frequency');
  await choose(page, '?', 'Tension and Frequency');
  const tension = windowOf(page, 'Frequency and Tension');
  assert.equal(await tension.count(), 1);
  const strings = await rows(tension);
  assert.equal(strings.length, 6);
  assert.deepEqual(strings[0], [' 1 st', 'E(2)', ' 329.6\u2026  Hz']);
  assert.equal(await tension.getByRole('table', { name: 'Frequency of each string in a guitar:' })
    .evaluate((table) => table === document.activeElement), true);
  await tension.getByRole('button', { name: 'Bye' }).click();
  assert.equal(await tension.count(), 0);
  await choose(page, '?', 'Tension and Frequency');
  assert.equal((await rows(tension)).length, 6);
  await tension.getByRole('button', { name: 'Close' }).click();
  assert.equal(await tension.count(), 0);

  await choose(page, '?', 'About');
  await choose(page, '?', 'About');
  const about = windowOf(page, 'About');
  assert.equal(await about.count(), 1);
  const ok = about.getByRole('button', { name: 'OK' });
  assert.equal(await ok.evaluate((button) => button === document.activeElement), true);
  await page.keyboard.press('Space');
  assert.equal(await about.count(), 0);
  await choose(page, '?', 'About');
  assert.equal(await about.getByText('Korvanel', { exact: true }).evaluate(
    (title) => getComputedStyle(title).color), 'rgb(0, 0, 192)');
  assert.equal(await main.isVisible(), true, 'the main window stays');
  await context.close();
});

test('File > Exit closes every window and the page offers to start the program again', async () => {
  const { context, page } = await program();
  await choose(page, '?', 'Tension and Frequency');
  await choose(page, 'File', 'Exit');
  assert.equal(await page.getByRole('dialog').count(), 0);
  await page.getByRole('button', { name: 'Start Korvanel again' }).click();
  await windowOf(page, 'Korvanel').waitFor();
  await context.close();
});

test('closing the main window leaves the others open, and the last one closed ends the program', async () => {
  const { context, page, main } = await program();
  await choose(page, '?', 'About');
  await main.getByRole('button', { name: 'Close' }).click();
  const about = windowOf(page, 'About');
  assert.equal(await about.isVisible(), true);
  assert.equal(await page.getByText('Korvanel has ended.').isVisible(), false);
  await about.getByRole('button', { name: 'Close' }).click();
  assert.equal(await page.getByText('Korvanel has ended.').isVisible(), true);
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

test('every label shows its whole text on its one line, in the designs fonts or their stand-ins', async () => {
  const { context, page } = await program();
  await choose(page, '?', 'Tension and Frequency');
  await choose(page, '?', 'About');
  const cut = await page.locator('.label').evaluateAll((labels) => labels
    .filter((label) => !/^_+$/.test(label.textContent) && label.scrollWidth > label.clientWidth)
    .map((label) => `${label.textContent} (${label.scrollWidth} > ${label.clientWidth})`));
  assert.deepEqual(cut, []);
  const fixedPitch = await page.getByRole('table').first().evaluate(
    (table) => getComputedStyle(table.closest('.list')).fontFamily);
  assert.match(fixedPitch, /"Courier New", "Korvanel Mono", monospace/);
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
