// The anagram worksheet: each row's shuffled letters and an answer box,
// checked as the player types; a word is kept only as the hash of its
// spelling at its row, Е counting for Ё.
(function bukvoklad() {
  const rows = puzzle.rows;
  let solved = {}; // row index -> the answer as typed
  const count = el('p', { class: 'count', id: 'count', 'aria-live': 'polite' });
  const sheet = el('ol', { class: 'sheet', 'aria-label': 'Составьте из букв слова' });
  const lines = rows.map((r, i) => {
    const id = 'row' + (i + 1);
    const input = el('input', {
      id, type: 'text', autocomplete: 'off', autocapitalize: 'characters', spellcheck: 'false', lang: 'ru',
      'aria-describedby': id + '-letters',
    });
    const ok = el('span', { class: 'ok', 'aria-live': 'polite' });
    const letters = el('span', { class: 'letters', id: id + '-letters', role: 'group', 'aria-label': 'Буквы: ' + Array.from(r.l).join(' ') },
      ...Array.from(r.l).map(ch => el('span', { 'aria-hidden': 'true', text: ch })));
    const line = el('li', {}, el('span', { class: 'num', 'aria-hidden': 'true', text: (i + 1) + '.' }), letters,
      el('label', { for: id, class: 'visually-hidden', text: 'Слово ' + (i + 1) }), input, ok);
    input.addEventListener('input', () => {
      // Only Russian letters, in capitals, as the game's box takes them.
      const kept = input.value.toUpperCase().replace(/[^А-ЯЁ]/g, '');
      if (kept !== input.value) input.value = kept;
      check(i);
    });
    sheet.append(line);
    return { line, input, ok };
  });
  gameRoot.append(el('p', { class: 'hint', text: 'Составьте из букв каждой строки слово и впишите его.' }), sheet,
    el('div', { class: 'side' }, count, restartButton(restart)));

  function show(i) {
    const isSolved = solved[i] !== undefined;
    lines[i].line.classList.toggle('solved', isSolved);
    lines[i].ok.textContent = isSolved ? 'Верно!' : '';
  }
  function update() {
    const done = Object.keys(solved).length;
    count.textContent = 'Решено: ' + done + ' из ' + rows.length;
    if (rows.length > 0 && done === rows.length) showBanner('ПОБЕДА!!!', 'Все слова составлены.');
    else hideBanner();
  }
  function check(i) {
    const typed = lines[i].input.value;
    const right = typed.length === rows[i].l.length && answerHash(i + 1, typed) === rows[i].h;
    if (right) solved[i] = typed; else delete solved[i];
    progress.save({ solved });
    show(i);
    update();
  }
  function restart() {
    solved = {};
    lines.forEach((l, i) => { l.input.value = ''; show(i); });
    update();
  }

  restart();
  const saved = progress.load().solved;
  for (const [i, typed] of Object.entries(saved && typeof saved === 'object' ? saved : {})) {
    if (!lines[i] || typeof typed !== 'string') continue;
    lines[i].input.value = typed;
    if (answerHash(Number(i) + 1, typed) === rows[i].h) solved[i] = typed;
    show(Number(i));
  }
  update();
})();
