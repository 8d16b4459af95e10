// Under forced colours (Windows' high contrast themes, here Chromium's
// emulation of them): the close box's cross, the combo box's arrow and the
// message box's warning sign are drawn, in system colours, as their shapes;
// the active window's caption is unlike the others; the focus shows.
'use strict';

const { test } = require('node:test');
const { assert, windowOf, choose, useBrowser } = require('./support');

const session = useBrowser();

const kForced = { forcedColors: 'active', viewport: { width: 1280, height: 900 } };

// The colours the page resolves the system colours to.
function systemColours(page) {
  return page.evaluate(() => Object.fromEntries(
    ['Canvas', 'CanvasText', 'ButtonFace', 'ButtonText', 'Highlight', 'HighlightText', 'GrayText']
      .map((name) => {
        const probe = document.createElement('div');
        probe.style.color = name;
        document.body.append(probe);
        const resolved = getComputedStyle(probe).color;
        probe.remove();
        return [name, resolved];
      })));
}

// A glyph the page draws as the background of `selector`'s pseudo-element
// `pseudo` (or of the element itself): its colour, and the share of its
// box that the screen shows in that colour.
async function glyph(page, selector, pseudo = null) {
  const drawn = await page.evaluate(([where, part]) => {
    const element = document.querySelector(where);
    const box = element.getBoundingClientRect();
    const style = getComputedStyle(element, part);
    const host = getComputedStyle(element);
    const x = box.left + (part ? parseFloat(host.borderLeftWidth) + parseFloat(style.left) : 0);
    const y = box.top + (part ? parseFloat(host.borderTopWidth) + parseFloat(style.top) : 0);
    return { colour: style.backgroundColor, x, y, width: parseFloat(style.width), height: parseFloat(style.height) };
  }, [selector, pseudo]);
  const shot = await page.screenshot({ clip: { x: drawn.x, y: drawn.y, width: drawn.width, height: drawn.height } });
  const share = await page.evaluate(async ([png, colour]) => {
    const image = await createImageBitmap(new Blob([Uint8Array.from(atob(png), (c) => c.charCodeAt(0))]));
    const canvas = new OffscreenCanvas(image.width, image.height);
    const drawing = canvas.getContext('2d');
    drawing.drawImage(image, 0, 0);
    const pixels = drawing.getImageData(0, 0, image.width, image.height).data;
    const [red, green, blue] = colour.match(/\d+/g).map(Number);
    let same = 0;
    for (let k = 0; k < pixels.length; k += 4) {
      if (Math.hypot(pixels[k] - red, pixels[k + 1] - green, pixels[k + 2] - blue) < 60) same += 1;
    }
    return same / (pixels.length / 4);
  }, [shot.toString('base64'), drawn.colour]);
  return { colour: drawn.colour, share };
}

test('under forced colours the glyphs are drawn as shapes in system colours', async () => {
  const { context, page } = await session.start(kForced);
  const system = Object.values(await systemColours(page));
  const main = windowOf(page, 'Korvanel');
  await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('1E400');
  await main.getByRole('button', { name: 'Compute' }).click();
  await page.getByRole('alertdialog').waitFor();
  for (const [name, selector, pseudo] of [
    ['the cross of the close box', '[data-name=mMain] .close', '::before'],
    ['the arrow of the combo box', '.combo-open', '::after'],
    ['the warning sign', '.warning', null]]) {
    const drawn = await glyph(page, selector, pseudo);
    assert.ok(system.includes(drawn.colour), `${name}: ${drawn.colour} is no system colour`);
    // A cross, a triangle: neither gone nor a block.
    assert.ok(drawn.share > 0.25 && drawn.share < 0.75, `${name}: ${drawn.share} of its box`);
  }
  await context.close();
});

test('under forced colours the active window\'s caption differs from the others, and the focus shows', async () => {
  const { context, page } = await session.start(kForced);
  const colours = await systemColours(page);
  const main = windowOf(page, 'Korvanel');
  await choose(page, '?', 'About');
  const caption = (window) => window.locator('.titlebar').evaluate((bar) => {
    const style = getComputedStyle(bar);
    return [style.backgroundColor, style.color];
  });
  assert.deepEqual(await caption(windowOf(page, 'About')), [colours.Highlight, colours.HighlightText]);
  assert.deepEqual(await caption(main), [colours.Canvas, colours.CanvasText]);
  assert.notEqual(colours.Highlight, colours.Canvas);
  await windowOf(page, 'About').getByRole('button', { name: 'OK' }).click();

  // Compute with the focus, from the keyboard, and without it.
  const compute = main.getByRole('button', { name: 'Compute' });
  await page.keyboard.press('Tab');
  await page.keyboard.press('Shift+Tab');
  const focused = await compute.screenshot();
  await page.keyboard.press('Tab');
  assert.notDeepEqual(await compute.screenshot(), focused);
  const file = main.getByRole('menuitem', { name: 'File' });
  const unfocused = await file.screenshot();
  await page.keyboard.press('F10');
  assert.notDeepEqual(await file.screenshot(), unfocused);
  await context.close();
});
