'use strict';
// The hidden-word page in chromium: wrong and right answers by ">>" and by
// Enter, Ё typed for Е, a revealed word and the score at the end, progress
// over a reload, and no answer in the page's data.
const path = require('path');
const c = require('./check');

const { dir, facts } = c.samplePages();
const file = path.join(dir, 'slovoset.html');
const { source, data } = c.pageData(file);
const words = facts.slovoset;

async function answer(loaded, viewport, typed, how) {
  const { page } = loaded;
  await c.press(loaded, viewport, '#answer');
  await page.keyboard.type(typed);
  if (how === 'enter') await page.keyboard.press('Enter');
  else await c.press(loaded, viewport, '#submit');
}
const opened = page => c.text(page, '#count');

const steps = [];
steps.push(['no answer in the page: only hashes beside positions, and the hashes are the program\'s', async browser => {
  c.assert(words.length >= 5, 'the sample text hides some words');
  // The text itself is in the page (the words run across its word
  // boundaries); what the page adds to it must not give a word away.
  const added = source.replace(/"segments":\[[\s\S]*?\],"hints"/, '');
  for (const { word } of words) {
    const named = new RegExp('(?<![а-яё])' + word + '(?![а-яё])', 'iu');
    c.assert(!named.test(added), 'the page names ' + word);
  }
  const loaded = await c.open(browser, file, c.desktop);
  for (const [input, hex] of facts.hashes)
    c.equal(await loaded.page.evaluate(s => sha256Hex(s), input), hex, 'SHA-256 of ' + JSON.stringify(input).slice(0, 40));
  for (const [i, { word, p }] of words.entries())
    c.equal(await loaded.page.evaluate((p, w) => answerHash(p, w), p, word), data.words[i].h, 'the hash of ' + word);
  await loaded.page.close();
}]);

for (const [size, viewport] of [['phone', c.phone], ['desktop', c.desktop]]) {
  steps.push([`${size}: wrong and right answers, ">>" and Enter, a reveal, the score, a reload`, async browser => {
    const loaded = await c.open(browser, file, viewport);
    const { page } = loaded;
    c.equal(await opened(page), 'Открыто: 0 из ' + words.length, 'nothing open at the start');
    await answer(loaded, viewport, 'щщщщ', 'button');
    c.equal(await c.text(page, '#message'), 'Это слово не загадано компьютером', 'a wrong answer is told');
    c.equal(await page.$eval('#answer', e => e.value), 'ЩЩЩЩ', 'and stays in the box, in capitals');
    await page.$eval('#answer', e => { e.value = ''; });
    // A right answer in small letters, with Ё where the word has Е.
    const withE = words.find(w => w.word.includes('Е')) || words[0];
    await answer(loaded, viewport, withE.word.replace('Е', 'Ё').toLowerCase(), 'enter');
    const i = words.indexOf(withE);
    c.equal(await opened(page), 'Открыто: 1 из ' + words.length, 'the word is opened');
    c.equal(await page.$eval('#answer', e => e.value), '', 'the box is emptied');
    c.equal(await page.evaluate(() => document.activeElement.id), 'answer', 'and keeps the focus');
    c.equal(await page.$eval(`.words li:nth-child(${i + 1}) .word`, e => e.textContent).then(t => t.replace('Ё', 'Е')),
      withE.word, 'its list line shows it');
    c.assert(await page.$$eval('#text .found', l => l.length) > 0, 'it is underlined in the text');
    // The same word again opens nothing more.
    await answer(loaded, viewport, withE.word, 'button');
    c.equal(await opened(page), 'Открыто: 1 из ' + words.length, 'a repeated answer counts once');
    await c.pageChecks(loaded);
    await c.reload(loaded);
    c.equal(await opened(page), 'Открыто: 1 из ' + words.length, 'the reload keeps it');
    // One word revealed from the list, the rest guessed: the end, not a win.
    await c.press(loaded, viewport, `.words li:nth-child(${i === 0 ? 2 : 1}) .reveal`);
    for (const [k, w] of words.entries()) {
      if (k === i || k === (i === 0 ? 1 : 0)) continue;
      await answer(loaded, viewport, w.word, k % 2 ? 'enter' : 'button');
    }
    c.equal(await opened(page), `Открыто: ${words.length} из ${words.length}`, 'every word open');
    c.equal(await c.text(page, '#banner strong'), 'КОНЕЦ ИГРЫ!!!', 'a revealed word makes it the end, not a win');
    c.equal(await c.text(page, '#banner span'), `Отгадано слов: ${words.length - 1} из ${words.length} возможных`, 'the score');
    await c.press(loaded, viewport, '.restart');
    c.equal(await opened(page), 'Открыто: 0 из ' + words.length, '"Начать заново" closes every word');
    c.equal(await page.$$eval('#text .found', l => l.length), 0, 'and takes the underlines away');
    await loaded.page.close();
  }]);
}

steps.push(['keys alone: Tab to the box, type each word and Enter: a win', async browser => {
  const loaded = await c.open(browser, file, c.desktop);
  const { page } = loaded;
  for (let k = 0; k < 5 && await page.evaluate(() => document.activeElement.id !== 'answer'); k++)
    await page.keyboard.press('Tab');
  c.equal(await page.evaluate(() => document.activeElement.id), 'answer', 'Tab reaches the answer box');
  await page.keyboard.type('я');
  c.assert(await page.$eval('#submit', b => b.disabled), 'one letter cannot be sent');
  await page.keyboard.press('Enter');
  c.equal(await c.text(page, '#message'), '', 'Enter does nothing then');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('a1 -');
  c.equal(await page.$eval('#answer', e => e.value), '', 'Latin letters, digits, blanks and hyphens are dropped');
  for (const w of words) {
    await page.keyboard.type(w.word);
    await page.keyboard.press('Enter');
  }
  c.equal(await c.text(page, '#banner strong'), 'ПОБЕДА!!!', 'every word guessed is a win');
  c.equal(await c.text(page, '#banner span'), `Отгадано слов: ${words.length} из ${words.length} возможных`, 'the score');
  await loaded.page.close();
}]);

steps.push(['the longest sample text stays within the size limit and plays', async browser => {
  const long = path.join(dir, 'slovoset-long.html');
  const size = require('fs').statSync(long).size;
  c.assert(size <= 100 * 1024, 'the page weighs ' + size + ' bytes');
  const loaded = await c.open(browser, long, c.phone);
  await c.pageChecks(loaded);
  await loaded.page.close();
}]);

c.run(steps);
