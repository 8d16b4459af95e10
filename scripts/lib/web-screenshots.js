// Screenshots of the page in Chromium for scripts/screenshots-web.sh: the
// five states (start, after Compute, with the Tension window, with About,
// with the message for a length too large) on a desktop's 1280 x 1024 at
// 100%, at 200% and 400% browser zoom (fewer CSS pixels, each drawn with
// more of the screen's, as Ctrl + gives), under forced colours (Windows'
// high contrast, as Chromium emulates it) and on a phone's 390 x 844.
// The information windows open as the menu commands open them, without the
// main window being pressed, as scripts/screenshots.sh shows them.
'use strict';

const path = require('node:path');
const { serve, launch, start, windowOf } = require('../../tests/web/support');

const out = process.argv[2];
const zoomed = (factor) => ({ viewport: { width: 1280 / factor, height: 1024 / factor },
  deviceScaleFactor: factor });
const screens = [
  ['', zoomed(1)],
  ['-200', zoomed(2)],
  ['-400', zoomed(4)],
  ['-contrast', { ...zoomed(1), forcedColors: 'active' }],
  ['-phone', { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true,
    deviceScaleFactor: 3 }],
];

(async () => {
  const site = await serve();
  const browser = await launch();
  for (const [suffix, options] of screens) {
    const { context, page } = await start(browser, site, options);
    const shot = async (name) => {
      await page.evaluate(() => document.fonts.ready);
      const file = path.join(out, `${name}${suffix}.png`);
      await page.screenshot({ path: file });
      console.log(path.basename(file));
    };
    const command = (name) => page.evaluate((item) => {
      document.querySelector(`[data-name="${item}"]`).click();
    }, name);
    const main = windowOf(page, 'Korvanel');
    await shot('start');
    await page.evaluate(() => document.querySelector('[data-name=btnCompute]').click());
    await shot('main');
    await command('mnuTension');
    await shot('tension');
    await command('mnuAbout');
    await shot('about');
    await page.evaluate(() => {
      document.querySelector('[data-name=mAbout] [data-name=btnOK]').click();
      document.querySelector('[data-name=mTension] [data-name=btnOk]').click();
    });
    await main.getByRole('combobox', { name: 'Scale Guitar Length' }).fill('1E400');
    await page.evaluate(() => document.querySelector('[data-name=btnCompute]').click());
    await shot('message');
    await context.close();
  }
  await browser.close();
  await site.close();
})();
