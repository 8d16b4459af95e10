// Screenshots of the page in Chromium for scripts/screenshots-web.sh: the
// four states (start, after Compute, with the Tension window, with About)
// at 100% and 200% zoom on a desktop's screen and on a phone's 390 x 844.
// The information windows open as the menu commands open them, without the
// main window being pressed, as scripts/screenshots.sh shows them.
'use strict';

const path = require('node:path');
const { serve, launch, start, windowOf } = require('../../tests/web/support');

const out = process.argv[2];
const screens = [
  ['', { viewport: { width: 1280, height: 1024 } }],
  ['-200', { viewport: { width: 1280, height: 1024 }, deviceScaleFactor: 2 }],
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
    await shot('start');
    await windowOf(page, 'Korvanel').getByRole('button', { name: 'Compute' }).click();
    await shot('main');
    await command('mnuTension');
    await shot('tension');
    await command('mnuAbout');
    await shot('about');
    await context.close();
  }
  await browser.close();
  await site.close();
})();
