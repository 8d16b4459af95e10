// What a screen reader is told of the windows: each a dialog named by its
// caption, the menus a menu bar of menu items, the scale-length box a combo
// box named by its label, the lists tables with their column headers, the
// buttons buttons, and the drawn lines nothing at all.
'use strict';

const { test } = require('node:test');
const { assert, windowOf, choose, useBrowser } = require('./support');

const session = useBrowser();

function includesInOrder(snapshot, expected) {
  let from = 0;
  for (const line of expected) {
    const at = snapshot.indexOf(line, from);
    assert.ok(at >= 0, `no "${line}" after position ${from} in:\n${snapshot}`);
    from = at + line.length;
  }
}

test('each window is a named dialog of menus, controls and tables with their headers', async () => {
  const { context, page } = await session.start();
  includesInOrder(await windowOf(page, 'Korvanel').ariaSnapshot(), [
    '- dialog "Korvanel":', '- button "Close"', '- menubar:', '- menuitem "File"',
    '- menuitem "?"', '- text: Scale Guitar Length mm', '- button "Compute"', '- table:',
    '- columnheader "Fret"', '- columnheader "Distance from previous (mm)"',
    '- columnheader "Whole Distance (mm)"', '- combobox "Scale Guitar Length": "650"']);

  await choose(page, '?', 'Tension and Frequency');
  const tension = await windowOf(page, 'Frequency and Tension').ariaSnapshot();
  includesInOrder(tension, [
    '- dialog "Frequency and Tension":', '- table "Frequency of each string in a guitar:":',
    '- columnheader "String"', '- columnheader "Note"', '- columnheader "Frequence"',
    '- cell "1 st"', '- cell "E(2)"', '- cell "329.6\u2026 Hz"', '- button "Bye"']);
  assert.doesNotMatch(tension, /- (img|graphics)/, 'the lines of the formula are not announced');

  await choose(page, '?', 'About');
  includesInOrder(await windowOf(page, 'About').ariaSnapshot(),
    ['- dialog "About":', 'Korvanel 1.00, a fret calculator,', 'Enjoy building and playing! Korvanel',
      '- button "OK"']);
  await context.close();
});

test('a refused length is a modal alert dialog whose text is read with it, and Tab stays in it', async () => {
  const { context, page } = await session.start();
  const main = windowOf(page, 'Korvanel');
  await choose(page, '?', 'About');
  await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('1E400');
  await main.getByRole('button', { name: 'Compute' }).click();
  const box = page.getByRole('alertdialog', { name: 'Korvanel' });
  assert.equal(await box.getAttribute('aria-modal'), 'true');
  assert.equal(await box.getAttribute('aria-describedby'),
    await box.getByText('The scale length is too large.').getAttribute('id'));
  const okFocused = () => box.getByRole('button', { name: 'OK' }).evaluate(
    (ok) => ok === document.activeElement);
  assert.equal(await okFocused(), true);
  for (const key of ['Tab', 'Shift+Tab', 'Tab']) {
    await page.keyboard.press(key);
    assert.equal(await okFocused(), true, key);
  }
  // Modal to every window, as a desktop's message box is.
  for (const window of [main, windowOf(page, 'About')]) {
    assert.equal(await window.evaluate((element) => element.inert), true);
  }
  await page.keyboard.press('Enter');
  assert.equal(await main.evaluate((element) => element.inert), false);
  await context.close();
});

test('the open list of lengths is a list box whose option moved to is the selected one, the one the box points at', async () => {
  const { context, page } = await session.start();
  const box = windowOf(page, 'Korvanel').getByRole('combobox', { name: 'Scale Guitar Length' });
  const selected = () => page.getByRole('option', { selected: true }).allTextContents();
  const pointedAt = async () => page.locator(`#${await box.getAttribute('aria-activedescendant')}`).textContent();
  await box.focus();
  await page.keyboard.press('Alt+ArrowDown');
  assert.equal(await box.getAttribute('aria-expanded'), 'true');
  assert.equal(await pointedAt(), '650');
  assert.deepEqual(await selected(), ['650']);
  await page.keyboard.press('ArrowDown');
  assert.equal(await pointedAt(), '655');
  assert.deepEqual(await selected(), ['655']);
  await page.keyboard.press('Enter');
  assert.equal(await box.inputValue(), '655');
  assert.equal(await box.getAttribute('aria-expanded'), 'false');

  // Alt+Up closes the list and keeps the text.
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  assert.equal(await box.getAttribute('aria-expanded'), 'true');
  await page.keyboard.press('Alt+ArrowUp');
  assert.equal(await box.getAttribute('aria-expanded'), 'false');
  assert.equal(await page.getByRole('listbox').isVisible(), false);
  assert.equal(await box.inputValue(), '655');
  await context.close();
});
