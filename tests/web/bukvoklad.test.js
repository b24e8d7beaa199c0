'use strict';
// The anagram worksheet page in chromium: rows checked as typed, Е for Ё,
// the count of rows solved, progress over a reload, and no word in the page.
const fs = require('fs');
const path = require('path');
const c = require('./check');

const { dir, facts } = c.samplePages();
const file = path.join(dir, 'bukvoklad.html');
const { source, data } = c.pageData(file);
const words = facts.bukvoklad;
const solved = page => c.text(page, '#count');
const box = i => '#row' + (i + 1);

const steps = [];
steps.push(['no word in the page, each row\'s letters are its word\'s, and the sizes stay small', async () => {
  c.equal(data.rows.length, words.length, 'one row per word');
  for (const [i, word] of words.entries()) {
    const named = new RegExp('(?<![а-яё])' + word + '(?![а-яё])', 'iu');
    c.assert(!named.test(source), 'the page names ' + word);
    c.equal([...data.rows[i].l].sort().join(''), [...word].sort().join(''), 'row ' + (i + 1) + ' has the word\'s letters');
  }
  const large = fs.statSync(path.join(dir, 'bukvoklad-large.html')).size;
  c.assert(large <= 100 * 1024, 'thirty rows weigh ' + large + ' bytes');
}]);

for (const [size, viewport] of [['phone', c.phone], ['desktop', c.desktop]]) {
  steps.push([`${size}: wrong and right answers checked as typed, a reload, a win`, async browser => {
    const loaded = await c.open(browser, file, viewport);
    const { page } = loaded;
    c.equal(await solved(page), 'Решено: 0 из ' + words.length, 'nothing solved at the start');
    await c.press(loaded, viewport, box(0));
    const wrong = [...words[0]].reverse().join('');
    await page.keyboard.type(wrong === words[0] ? words[0].slice(1) : wrong);
    c.equal(await solved(page), 'Решено: 0 из ' + words.length, 'a wrong answer solves nothing');
    await page.$eval(box(0), e => { e.value = ''; });
    // In small letters, and the last letter missing first: checked at each key.
    await page.keyboard.type(words[0].slice(0, -1).toLowerCase());
    c.equal(await solved(page), 'Решено: 0 из ' + words.length, 'not yet');
    await page.keyboard.type(words[0].slice(-1).toLowerCase());
    c.equal(await solved(page), 'Решено: 1 из ' + words.length, 'the row is solved as the last letter comes');
    c.assert(await page.$eval(box(0), e => e.closest('li').classList.contains('solved')), 'and shows it');
    await page.keyboard.press('Backspace');
    c.equal(await solved(page), 'Решено: 0 из ' + words.length, 'a deleted letter unsolves it');
    await page.keyboard.type(words[0].slice(-1));
    await c.pageChecks(loaded);
    await c.reload(loaded);
    c.equal(await solved(page), 'Решено: 1 из ' + words.length, 'the reload keeps the solved row');
    c.equal(await page.$eval(box(0), e => e.value), words[0], 'with its answer');
    for (const [i, word] of words.entries()) {
      if (i === 0) continue;
      await c.press(loaded, viewport, box(i));
      await page.keyboard.type(word.replace(/Е/g, 'Ё'));
    }
    c.equal(await solved(page), `Решено: ${words.length} из ${words.length}`, 'every row solved, Ё typed for Е');
    c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'the win is shown');
    await c.press(loaded, viewport, '.restart');
    c.equal(await solved(page), 'Решено: 0 из ' + words.length, '"Начать заново" empties the rows');
    c.equal(await page.$eval(box(1), e => e.value), '', 'and their boxes');
    await page.close();
  }]);
}

steps.push(['keys alone: Tab from row to row, type, and every box is labelled', async browser => {
  const loaded = await c.open(browser, file, c.desktop);
  const { page } = loaded;
  for (let k = 0; k < 5 && await page.evaluate(() => document.activeElement.id !== 'row1'); k++)
    await page.keyboard.press('Tab');
  c.equal(await page.evaluate(() => document.activeElement.id), 'row1', 'Tab reaches the first box');
  for (const word of words) {
    await page.keyboard.type(word);
    await page.keyboard.press('Tab');
  }
  c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'won by keys');
  const unlabelled = await page.$$eval('input', l => l.filter(e => !e.labels.length).length);
  c.equal(unlabelled, 0, 'every answer box has a label');
  await page.close();
}]);

c.run(steps);
