'use strict';
// The word-search page in chromium: found by taps or clicks, by a drag and by
// keys alone, at phone and desktop size; progress kept over a reload; the
// clock and what it does once the game is over.
const path = require('path');
const c = require('./check');

const { dir } = c.samplePages();
const small = path.join(dir, 'slovolov-small.html');
const large = path.join(dir, 'slovolov-large.html');
const { data } = c.pageData(small);
const n = data.size;

const cell = (page, x, y) => page.$(`.cell[data-x="${x}"][data-y="${y}"]`);
const found = page => c.text(page, '#count');

async function center(page, x, y) {
  const box = await (await cell(page, x, y)).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

async function tap(loaded, viewport, x, y) {
  await c.press(loaded, viewport, await cell(loaded.page, x, y));
}

// A drag from one cell to another: a finger on a phone, the mouse on a desktop.
async function drag(loaded, viewport, from, to) {
  const { page } = loaded;
  const a = await center(page, from[0], from[1]), b = await center(page, to[0], to[1]);
  if (viewport.hasTouch) {
    await page.touchscreen.touchStart(a.x, a.y);
    await page.touchscreen.touchMove((a.x + b.x) / 2, (a.y + b.y) / 2);
    await page.touchscreen.touchMove(b.x, b.y);
    await page.touchscreen.touchEnd();
  } else {
    await page.mouse.move(a.x, a.y);
    await page.mouse.down();
    await page.mouse.move((a.x + b.x) / 2, (a.y + b.y) / 2, { steps: 3 });
    await page.mouse.move(b.x, b.y, { steps: 3 });
    await page.mouse.up();
  }
}

const steps = [];
for (const [size, viewport] of [['phone', c.phone], ['desktop', c.desktop]]) {
  steps.push([`${size}: taps find words only first letter then last; a win; progress over a reload`, async browser => {
    const loaded = await c.open(browser, small, viewport);
    const { page } = loaded;
    if (viewport.hasTouch) {
      const side = (await (await cell(page, 0, 0)).boundingBox()).width;
      c.assert(side >= 28, `a phone's cells are at least 28 px: ${side}`);
    }
    c.equal(await found(page), 'Найдено: 0 из ' + data.words.length, 'count at the start');
    const w = data.words[0];
    // Last letter first: no word; the mark moves to the first letter.
    await tap(loaded, viewport, w.b[0], w.b[1]);
    await tap(loaded, viewport, w.a[0], w.a[1]);
    c.equal(await found(page), 'Найдено: 0 из ' + data.words.length, 'the reverse order finds nothing');
    c.equal(await page.$eval(`.cell[data-x="${w.a[0]}"][data-y="${w.a[1]}"]`, e => e.getAttribute('aria-label').endsWith('отмечена')),
      true, 'the first letter is marked and says so');
    await tap(loaded, viewport, w.b[0], w.b[1]);
    c.equal(await found(page), 'Найдено: 1 из ' + data.words.length, 'the third tap finds it');
    c.assert(await page.$eval('.wordlist li', e => e.classList.contains('found')), 'its list line is struck through');
    c.assert(await page.$eval(`.cell[data-x="${w.b[0]}"][data-y="${w.b[1]}"]`,
      e => e.classList.contains('found') && e.getAttribute('aria-label').endsWith('найдено')), 'its cells are marked');
    c.equal(await page.$('#banner'), null, 'no banner before the last word');
    await c.reload(loaded);
    c.equal(await found(page), 'Найдено: 1 из ' + data.words.length, 'a reload keeps the found word');
    for (const v of data.words.slice(1)) {
      await tap(loaded, viewport, v.a[0], v.a[1]);
      await tap(loaded, viewport, v.b[0], v.b[1]);
    }
    c.equal(await found(page), `Найдено: ${data.words.length} из ${data.words.length}`, 'every word found');
    c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'the win is shown');
    await c.pageChecks(loaded);
    await c.press(loaded, viewport, '.restart');
    c.equal(await found(page), 'Найдено: 0 из ' + data.words.length, '"Начать заново" starts again');
    await c.reload(loaded);
    c.equal(await found(page), 'Найдено: 0 из ' + data.words.length, 'and the reload does not bring the old progress back');
    await page.close();
  }]);

  steps.push([`${size}: a drag finds a word from its first letter to its last, not backwards`, async browser => {
    const loaded = await c.open(browser, small, viewport);
    const { page } = loaded;
    const [first, ...rest] = data.words;
    await drag(loaded, viewport, first.b, first.a);
    c.equal(await found(page), 'Найдено: 0 из ' + data.words.length, 'a drag from the last letter finds nothing');
    // The drag left the mark on the first letter; a fresh drag still finds it.
    await drag(loaded, viewport, first.a, first.b);
    c.equal(await found(page), 'Найдено: 1 из ' + data.words.length, 'a drag along it finds it');
    for (const w of rest) await drag(loaded, viewport, w.a, w.b);
    c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'won by drags');
    c.equal(await page.$$eval('.cell.path', l => l.length), 0, 'no drag path is left on the board');
    await page.close();
  }]);
}

steps.push(['keys alone: Tab to the board, arrows, Home/End, PgUp/PgDn and Space/Enter win', async browser => {
  const loaded = await c.open(browser, small, c.desktop);
  const { page } = loaded;
  for (let i = 0; i < 10; i++) {
    await page.keyboard.press('Tab');
    if (await page.evaluate(() => document.activeElement.getAttribute('role') === 'gridcell')) break;
  }
  const at = () => page.evaluate(() => [Number(document.activeElement.dataset.x), Number(document.activeElement.dataset.y)]);
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('ArrowUp');
  c.equal(JSON.stringify(await at()), '[0,0]', 'moves stop at the edges');
  await page.keyboard.press('End');
  await page.keyboard.press('PageDown');
  c.equal(JSON.stringify(await at()), JSON.stringify([n - 1, n - 1]), 'End and PgDn reach the far side');
  async function goTo(x, y, key) {
    await page.keyboard.press('Home');
    await page.keyboard.press('PageUp');
    for (let i = 0; i < x; i++) await page.keyboard.press('ArrowRight');
    for (let i = 0; i < y; i++) await page.keyboard.press('ArrowDown');
    await page.keyboard.press(key);
  }
  for (const w of data.words) {
    await goTo(w.a[0], w.a[1], ' ');
    await goTo(w.b[0], w.b[1], 'Enter');
  }
  c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'won by keys');
  const focusRing = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
  c.equal(focusRing, 'solid', 'the focused cell shows its focus');
  await page.close();
}]);

steps.push(['the answers are shown on request and the game goes on', async browser => {
  const loaded = await c.open(browser, small, c.desktop);
  const { page } = loaded;
  await c.press(loaded, c.desktop, '#show');
  const shown = await page.$$eval('.cell.shown', l => l.length);
  c.assert(shown >= data.words[0].w.length, 'the words\' cells are shown');
  c.assert(await page.$eval('#show', b => b.disabled), 'shown once');
  const w = data.words[0];
  await tap(loaded, c.desktop, w.a[0], w.a[1]);
  await tap(loaded, c.desktop, w.b[0], w.b[1]);
  c.equal(await found(page), 'Найдено: 1 из ' + data.words.length, 'words can still be found');
  await page.close();
}]);

steps.push(['stored progress that is not the page\'s own is ignored', async browser => {
  const loaded = await c.open(browser, small, c.desktop);
  const { page } = loaded;
  for (const junk of ['not json', '5', '{"found":"01"}', '{"found":[99,-1,"0"],"shown":1,"left":"x"}']) {
    await page.evaluate(v => localStorage.setItem(progress.key, v), junk);
    await c.reload(loaded);
    c.equal(await found(page), 'Найдено: 0 из ' + data.words.length, 'nothing found from ' + junk);
  }
  await page.evaluate(() => localStorage.setItem(progress.key, '{"found":[0,0,1]}'));
  await c.reload(loaded);
  c.equal(await found(page), 'Найдено: 2 из ' + data.words.length, 'valid entries count once');
  c.equal(loaded.errors.length, 0, 'no script error: ' + loaded.errors.join(' | '));
  await page.close();
}]);

steps.push(['an own puzzle: its title and rule, and words on every line it allows', async browser => {
  const file = path.join(dir, 'slovolov-own.html');
  const own = c.pageData(file).data;
  const upRight = own.words.filter(w => Math.sign(w.b[0] - w.a[0]) * Math.sign(w.b[1] - w.a[1]) === -1);
  c.assert(upRight.length > 0, 'the sample has a word on the up-right diagonal');
  const loaded = await c.open(browser, file, c.phone);
  const { page } = loaded;
  c.equal(await page.title(), 'Осень <3 класс>', 'the author\'s title');
  c.assert((await c.text(page, '.rule')).includes('по обеим диагоналям'), 'the rule names both diagonals');
  for (const [k, w] of own.words.entries()) {
    if (k % 2) {
      await tap(loaded, c.phone, w.a[0], w.a[1]);
      await tap(loaded, c.phone, w.b[0], w.b[1]);
    } else {
      await drag(loaded, c.phone, w.a, w.b);
    }
  }
  c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'every word found');
  await page.close();
}]);

// The clock runs on the browser's virtual time, so no test waits for it:
// paused first, then advanced by a budget of milliseconds.
async function virtualTime(page) {
  const session = await page.createCDPSession();
  await session.send('Emulation.setVirtualTimePolicy', { policy: 'pause' });
  return async ms => {
    const expired = new Promise(resolve => session.once('Emulation.virtualTimeBudgetExpired', resolve));
    await session.send('Emulation.setVirtualTimePolicy', { policy: 'advance', budget: ms });
    await expired;
  };
}
const seconds = text => { const [m, s] = text.replace('Время: ', '').split(':').map(Number); return m * 60 + s; };

steps.push(['the clock counts down, ends the game at 00:00 and then stands still', async browser => {
  const big = c.pageData(large).data;
  const loaded = await c.open(browser, large, c.desktop);
  const { page } = loaded;
  const advance = await virtualTime(page);
  const start = seconds(await c.text(page, '#clock'));
  c.assert(start <= 300 && start >= 295, 'the clock starts at the limit: ' + start);
  await advance(2000);
  c.equal(seconds(await c.text(page, '#clock')), start - 2, 'two seconds later');
  await advance(start * 1000);
  c.equal(await c.text(page, '#clock'), 'Время: 00:00', 'at the end');
  c.equal(await c.text(page, '#banner strong'), 'ВЫ НЕ УСПЕЛИ!!!', 'the game is lost');
  const w = big.words[0];
  await tap(loaded, c.desktop, w.a[0], w.a[1]);
  await tap(loaded, c.desktop, w.b[0], w.b[1]);
  c.equal(await found(page), 'Найдено: 0 из ' + big.words.length, 'the board takes no more clicks');
  await advance(5000);
  c.equal(await c.text(page, '#clock'), 'Время: 00:00', 'the clock stays stopped');
  await page.close();
}]);

steps.push(['a win stops the clock', async browser => {
  const big = c.pageData(large).data;
  const loaded = await c.open(browser, large, c.desktop);
  const { page } = loaded;
  for (const w of big.words) {
    await tap(loaded, c.desktop, w.a[0], w.a[1]);
    await tap(loaded, c.desktop, w.b[0], w.b[1]);
  }
  c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'won');
  // Before the virtual time, which stays paused after its budget (axe waits on timers).
  await c.pageChecks(loaded);
  const before = await c.text(page, '#clock');
  const advance = await virtualTime(page);
  await advance(5000);
  c.equal(await c.text(page, '#clock'), before, 'the clock does not run on after the win');
  c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'no time-out after the win');
  await page.close();
}]);

c.run(steps);
