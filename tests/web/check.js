'use strict';
// What the three page checks share: the sample pages in the test's own
// folder, a small runner of named steps, and the checks every page gets
// (no request, no script error, no horizontal scroll, axe-core).
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { launch, open, phone, desktop } = require('./browser');

function samplePages() {
  const [maker, data, texts] = process.argv.slice(2);
  const dir = fs.mkdtempSync(path.join(process.env.TMPDIR || os.tmpdir(), 'pages-'));
  execFileSync(maker, [data, texts, dir], { stdio: 'inherit' });
  return { dir, facts: JSON.parse(fs.readFileSync(path.join(dir, 'answers.json'), 'utf8')) };
}

// The data a page carries, read from its source.
function pageData(file) {
  const source = fs.readFileSync(file, 'utf8');
  const json = source.match(/<script type="application\/json" id="puzzle">([\s\S]*?)<\/script>/)[1];
  return { source, data: JSON.parse(json) };
}

function assert(condition, what) {
  if (!condition) throw new Error(what);
}
function equal(actual, expected, what) {
  if (actual !== expected) throw new Error(`${what}: expected ${JSON.stringify(expected)}, got ${JSON.stringify(actual)}`);
}

// Runs each step in order with one browser; a failed step is reported and
// the others still run.
async function run(steps) {
  const browser = await launch();
  let failed = 0;
  try {
    for (const [name, step] of steps) {
      try {
        await step(browser);
        console.log('ok    ' + name);
      } catch (e) {
        failed++;
        console.log('FAIL  ' + name + '\n      ' + (e && e.stack || e));
      }
    }
  } finally {
    await browser.close();
  }
  process.exit(failed ? 1 : 0);
}

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

// The checks of every loaded page: nothing fetched, no error, nothing wider
// than the screen, and no serious or critical accessibility fault.
async function pageChecks(loaded) {
  const { page, requests, errors } = loaded;
  equal(requests.length, 0, 'requests besides the page itself: ' + requests.join(' '));
  equal(errors.length, 0, 'script errors: ' + errors.join(' | '));
  const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
  assert(widths[0] <= widths[1], `page scrolls sideways: ${widths[0]} > ${widths[1]}`);
  await page.evaluate(axeSource);
  // Both colour schemes: the dark one follows the system's setting.
  const backgrounds = [];
  for (const scheme of ['light', 'dark']) {
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
    backgrounds.push(await page.evaluate(() => getComputedStyle(document.body).backgroundColor));
    const faults = await page.evaluate(async () => {
      const result = await window.axe.run(document, { resultTypes: ['violations'] });
      return result.violations.filter(v => v.impact === 'serious' || v.impact === 'critical')
        .map(v => v.id + ': ' + v.nodes.map(n => n.target.join(' ')).slice(0, 3).join(', '));
    });
    equal(faults.length, 0, `axe-core (${scheme}): ` + faults.join('; '));
  }
  await page.emulateMediaFeatures([]);
  assert(backgrounds[0] !== backgrounds[1], 'the dark scheme changes the page: ' + backgrounds.join(' / '));
}

async function text(page, selector) {
  return page.$eval(selector, e => e.textContent);
}

// A tap on a phone, a click on a desktop, at the middle of an element.
async function press(loaded, viewport, handleOrSelector) {
  const { page } = loaded;
  const handle = typeof handleOrSelector === 'string' ? await page.$(handleOrSelector) : handleOrSelector;
  let box = await handle.boundingBox();
  const view = page.viewport();
  if (box.y < 0 || box.y + box.height > view.height || box.x < 0 || box.x + box.width > view.width) {
    await handle.evaluate(e => e.scrollIntoView({ block: 'center', inline: 'center' }));
    box = await handle.boundingBox();
  }
  const x = box.x + box.width / 2, y = box.y + box.height / 2;
  if (viewport.hasTouch) await page.touchscreen.tap(x, y);
  else await page.mouse.click(x, y);
}

async function reload(loaded) {
  await loaded.page.reload({ waitUntil: 'load' });
}

module.exports = { samplePages, pageData, assert, equal, run, pageChecks, text, press, reload, open, phone, desktop };
