'use strict';
// node screenshot.js PAGE.html OUT-PREFIX: the page on a phone and a desktop
// screen, light and dark, as PNG files (for a person to look at).
const { launch, open, phone, desktop } = require('./browser');

(async () => {
  const [file, prefix] = process.argv.slice(2);
  const browser = await launch();
  try {
    for (const [name, viewport] of [['phone', phone], ['desktop', desktop]]) {
      for (const scheme of ['light', 'dark']) {
        const { page, requests, errors } = await open(browser, file, viewport);
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        await page.screenshot({ path: `${prefix}-${name}-${scheme}.png`, fullPage: true });
        if (requests.length || errors.length) console.error(name, scheme, requests, errors);
        await page.close();
      }
    }
  } finally {
    await browser.close();
  }
})().catch(e => { console.error(e); process.exit(1); });
