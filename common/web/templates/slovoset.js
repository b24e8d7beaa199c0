// The hidden-word puzzle: the text, the hints, the word list and the answer
// box. Each word is kept only as the hash of its spelling at its position;
// a right answer opens the text's letters there.
(function slovoset() {
  const words = puzzle.words;
  let opened = {}; // word index -> 'g' (guessed) or 'r' (revealed)

  const text = el('div', { class: 'text', id: 'text' });
  const segments = puzzle.segments.map(s => el('span', { text: s }));
  text.append(...segments);

  const hints = el('p', { class: 'hints', text: puzzle.hints });
  const answer = el('input', {
    id: 'answer', type: 'text', autocomplete: 'off', autocapitalize: 'characters', spellcheck: 'false',
    enterkeyhint: 'done', lang: 'ru',
  });
  const submit = el('button', { type: 'button', id: 'submit', 'aria-label': 'Проверить ответ', text: '>>' });
  const message = el('p', { id: 'message', class: 'message', role: 'alert' });
  // The box stays in sight at the foot of the screen while the text scrolls.
  const box = el('div', { class: 'answerbar' }, el('div', { class: 'answerbox' },
    el('label', { for: 'answer', text: 'Ваш ответ:' }), answer, submit), message);
  const list = el('ol', { class: 'words', 'aria-label': 'Загаданные слова' });
  const lines = words.map((w, i) => {
    const label = el('span', { class: 'word', text: w.n });
    const reveal = el('button', {
      type: 'button', class: 'reveal', text: 'Показать',
      'aria-label': 'Показать слово ' + (i + 1), onclick: () => open(i, 'r'),
    });
    const line = el('li', {}, label, reveal);
    list.append(line);
    return { line, label, reveal };
  });
  const score = el('p', { class: 'count', id: 'count' });

  gameRoot.append(
    el('section', { class: 'puzzle', 'aria-label': 'Текст' }, text, hints, box),
    el('aside', { class: 'side' }, el('h2', { text: 'Слова' }), list, score, restartButton(restart)));

  // The word as the text spells it: the letters of its stretch.
  function spelled(i) {
    let s = '';
    for (let k = words[i].s; k < words[i].e; k++) s += puzzle.segments[k];
    return s.toUpperCase().replace(/[^А-ЯЁ]/g, '');
  }

  function show(i) {
    const kind = opened[i];
    const row = lines[i];
    row.label.textContent = kind ? spelled(i) : words[i].n;
    row.line.className = kind === 'g' ? 'guessed' : kind === 'r' ? 'revealed' : '';
    row.reveal.hidden = Boolean(kind);
    for (let k = words[i].s; k < words[i].e; k++) {
      const marked = words.some((w, j) => opened[j] && w.s <= k && k < w.e);
      segments[k].className = marked ? 'found' : '';
    }
  }

  function counts() {
    const all = Object.keys(opened).length;
    const guessed = Object.values(opened).filter(k => k === 'g').length;
    return { all, guessed };
  }

  function update() {
    const { all, guessed } = counts();
    score.textContent = 'Открыто: ' + all + ' из ' + words.length;
    if (words.length > 0 && all === words.length) {
      showBanner(guessed === words.length ? 'ПОБЕДА!!!' : 'КОНЕЦ ИГРЫ!!!',
        'Отгадано слов: ' + guessed + ' из ' + words.length + ' возможных');
      answer.disabled = true;
      submit.disabled = true;
    }
  }

  function open(i, kind) {
    opened[i] = kind;
    progress.save({ opened });
    show(i);
    update();
    // The player sees where the word lies, clear of the answer bar.
    segments[words[i].s]?.scrollIntoView({ block: 'center' });
  }

  function check() {
    const typed = answerForm(answer.value);
    if (typed.length < 2) return;
    const i = words.findIndex((w, j) => !opened[j] && answerHash(w.p, typed) === w.h);
    if (i < 0) {
      const again = words.some((w, j) => opened[j] && answerHash(w.p, typed) === w.h);
      message.textContent = again ? 'Это слово уже открыто' : 'Это слово не загадано компьютером';
      message.className = 'message wrong';
      return;
    }
    answer.value = '';
    submit.disabled = true;
    message.textContent = 'Верно: ' + spelled(i);
    message.className = 'message right';
    open(i, 'g');
    answer.focus();
  }

  // Only Russian letters reach the box, in capitals, as in the window.
  answer.addEventListener('input', () => {
    const kept = answer.value.toUpperCase().replace(/[^А-ЯЁ]/g, '');
    if (kept !== answer.value) answer.value = kept;
    submit.disabled = kept.length < 2;
  });
  answer.addEventListener('keydown', e => { if (e.key === 'Enter') { e.preventDefault(); check(); } });
  submit.addEventListener('click', check);

  function restart() {
    opened = {};
    answer.disabled = false;
    answer.value = '';
    submit.disabled = true;
    message.textContent = '';
    words.forEach((w, i) => show(i));
    update();
  }

  restart();
  // What the storage holds may come from anywhere: only valid entries count.
  const saved = progress.load().opened;
  for (const [i, kind] of Object.entries(saved && typeof saved === 'object' ? saved : {}))
    if (words[i] && (kind === 'g' || kind === 'r')) opened[i] = kind;
  for (const i of Object.keys(opened)) show(Number(i));
  update();
})();
