// The word-search board: tap or click a word's first and then its last
// letter, drag across it (mouse, finger or pen), or play by keys: arrows,
// Home/End, PgUp/PgDn move, Space or Enter stands for a click.
(function slovolov() {
  const n = puzzle.size;
  const letters = Array.from(puzzle.grid);
  const words = puzzle.words;
  let found = new Set();
  let shown = false;
  let mark = null;      // the cell of the first click, {x, y}
  let cursor = { x: 0, y: 0 };
  let over = false;     // won or out of time: the board takes no more clicks
  let left = puzzle.clock; // seconds of the clock, when there is one
  let ticking = null;

  const board = el('div', { class: 'board', role: 'grid', 'aria-label': 'Поле, ' + n + ' на ' + n + ' букв' });
  board.style.setProperty('--n', n);
  const cells = [];
  for (let y = 0; y < n; y++) {
    const row = el('div', { role: 'row' });
    for (let x = 0; x < n; x++) {
      const cell = el('div', { role: 'gridcell', class: 'cell', tabindex: '-1', text: letters[y * n + x] });
      cell.dataset.x = x;
      cell.dataset.y = y;
      cells.push(cell);
      row.append(cell);
    }
    board.append(row);
  }
  const cellAt = (c) => cells[c.y * n + c.x];

  const list = el('ul', { class: 'wordlist', 'aria-label': 'Список загаданных слов' });
  const items = words.map(w => { const li = el('li', { text: w.w }); list.append(li); return li; });
  const count = el('p', { class: 'count', id: 'count', 'aria-live': 'polite' });
  const clock = el('p', { class: 'clock', id: 'clock', hidden: '' });
  const showButton = el('button', { type: 'button', id: 'show', text: 'Показать ответы', onclick: reveal });
  gameRoot.append(
    el('div', { class: 'boardwrap' }, el('p', { class: 'rule', text: puzzle.rule }), board,
      el('p', { class: 'hint tap-hint', text: 'Нажмите на первую и последнюю букву найденного слова или проведите по нему.' })),
    el('aside', { class: 'side' }, el('h2', { text: 'Список загаданных слов:' }), list, count, clock,
      el('div', { class: 'tools' }, showButton, restartButton(restart))));

  // The cells of a word, from its first letter to its last.
  function wordCells(w) {
    const dx = Math.sign(w.b[0] - w.a[0]), dy = Math.sign(w.b[1] - w.a[1]);
    const out = [];
    for (let k = 0, len = Math.max(Math.abs(w.b[0] - w.a[0]), Math.abs(w.b[1] - w.a[1])); k <= len; k++)
      out.push({ x: w.a[0] + k * dx, y: w.a[1] + k * dy });
    return out;
  }
  const wordCellSets = words.map(w => new Set(wordCells(w).map(c => c.y * n + c.x)));

  function paint() {
    const foundCells = new Set(), shownCells = new Set();
    words.forEach((w, i) => {
      for (const k of wordCellSets[i]) (found.has(i) ? foundCells : shownCells).add(k);
    });
    cells.forEach((cell, k) => {
      const isMark = mark && mark.y * n + mark.x === k;
      const isFound = foundCells.has(k);
      cell.classList.toggle('found', isFound);
      cell.classList.toggle('shown', shown && shownCells.has(k) && !isFound);
      cell.classList.toggle('marked', Boolean(isMark));
      cell.setAttribute('aria-selected', isMark || isFound ? 'true' : 'false');
      const x = k % n, y = Math.floor(k / n);
      cell.setAttribute('aria-label', letters[k] + ', строка ' + (y + 1) + ', столбец ' + (x + 1) +
        (isMark ? ', отмечена' : isFound ? ', найдено' : ''));
    });
    items.forEach((li, i) => li.classList.toggle('found', found.has(i)));
    count.textContent = 'Найдено: ' + found.size + ' из ' + words.length;
    showButton.disabled = shown || over;
    board.setAttribute('aria-disabled', over ? 'true' : 'false');
  }

  function save() { progress.save({ found: [...found], shown, left }); }

  function win() {
    over = true;
    stopClock();
    showBanner('ПОБЕДА!!!', 'Все слова найдены.');
    say('Все слова найдены!');
  }

  // The game's rule: the first click marks a cell; a second click on the last
  // letter of a word that starts at the mark finds it; any other cell takes
  // the mark instead.
  function click(c) {
    if (over) return;
    if (!mark) {
      mark = c;
      say('Отмечена буква ' + letters[c.y * n + c.x] + ', строка ' + (c.y + 1) + ', столбец ' + (c.x + 1));
    } else if (mark.x === c.x && mark.y === c.y) {
      return;
    } else {
      const i = words.findIndex((w, j) => !found.has(j) && w.a[0] === mark.x && w.a[1] === mark.y &&
        w.b[0] === c.x && w.b[1] === c.y);
      if (i >= 0) {
        found.add(i);
        mark = null;
        say('Найдено слово ' + words[i].w + '. Найдено: ' + found.size + ' из ' + words.length);
        if (found.size === words.length) win();
        save();
      } else {
        mark = c;
        say('Отмечена буква ' + letters[c.y * n + c.x] + ', строка ' + (c.y + 1) + ', столбец ' + (c.x + 1));
      }
    }
    paint();
  }

  function reveal() {
    shown = true;
    save();
    paint();
    say('Ответы показаны на поле.');
  }

  // Keyboard: one cell holds the focus; moves stop at the edges.
  function focusCell(c) {
    cellAt(cursor).tabIndex = -1;
    cursor = c;
    const cell = cellAt(c);
    cell.tabIndex = 0;
    cell.focus();
  }
  board.addEventListener('keydown', e => {
    const moves = {
      ArrowLeft: { x: cursor.x - 1, y: cursor.y }, ArrowRight: { x: cursor.x + 1, y: cursor.y },
      ArrowUp: { x: cursor.x, y: cursor.y - 1 }, ArrowDown: { x: cursor.x, y: cursor.y + 1 },
      Home: { x: 0, y: cursor.y }, End: { x: n - 1, y: cursor.y },
      PageUp: { x: cursor.x, y: 0 }, PageDown: { x: cursor.x, y: n - 1 },
    };
    if (moves[e.key]) {
      const to = moves[e.key];
      focusCell({ x: Math.min(n - 1, Math.max(0, to.x)), y: Math.min(n - 1, Math.max(0, to.y)) });
    } else if (e.key === ' ' || e.key === 'Enter') {
      click(cursor);
    } else {
      return;
    }
    e.preventDefault();
  });

  // Pointer: a tap is a click; a drag from one cell to another is the two
  // clicks it stands for, its start and then its end.
  let dragStart = null;
  let dragPath = [];
  function pointerCell(e) {
    const r = board.getBoundingClientRect();
    const x = Math.floor((e.clientX - r.left - board.clientLeft) / (board.clientWidth / n));
    const y = Math.floor((e.clientY - r.top - board.clientTop) / (board.clientHeight / n));
    return x >= 0 && y >= 0 && x < n && y < n ? { x, y } : null;
  }
  function showPath(to) {
    dragPath.forEach(c => cellAt(c).classList.remove('path'));
    dragPath = [];
    if (!dragStart || !to) return;
    const dx = to.x - dragStart.x, dy = to.y - dragStart.y;
    if (dx !== 0 && dy !== 0 && Math.abs(dx) !== Math.abs(dy)) return;
    for (let k = 0, len = Math.max(Math.abs(dx), Math.abs(dy)); k <= len; k++)
      dragPath.push({ x: dragStart.x + k * Math.sign(dx), y: dragStart.y + k * Math.sign(dy) });
    dragPath.forEach(c => cellAt(c).classList.add('path'));
  }
  board.addEventListener('pointerdown', e => {
    if (over || !e.isPrimary || e.button > 0) return;
    dragStart = pointerCell(e);
    if (dragStart) board.setPointerCapture(e.pointerId);
    e.preventDefault();
  });
  board.addEventListener('pointermove', e => { if (dragStart) showPath(pointerCell(e)); });
  board.addEventListener('pointerup', e => {
    if (!dragStart) return;
    const start = dragStart, end = pointerCell(e);
    dragStart = null;
    showPath(null);
    if (!end) return;
    if (start.x !== end.x || start.y !== end.y) click(start);
    click(end);
    focusCell(end); // the keys go on from where the pointer left off
  });
  board.addEventListener('pointercancel', () => { dragStart = null; showPath(null); });

  // The clock counts down while the game is on; at 00:00 the game is lost
  // and the words are shown.
  function clockText() {
    const m = Math.floor(left / 60), s = left % 60;
    return 'Время: ' + String(m).padStart(2, '0') + ':' + String(s).padStart(2, '0');
  }
  function stopClock() { if (ticking) { clearInterval(ticking); ticking = null; } }
  function startClock() {
    stopClock();
    if (!puzzle.clock || over) return;
    clock.hidden = false;
    clock.textContent = clockText();
    ticking = setInterval(() => {
      if (left > 0) left--;
      clock.textContent = clockText();
      if (left === 0) {
        over = true;
        shown = true;
        stopClock();
        showBanner('ВЫ НЕ УСПЕЛИ!!!', 'Найдено: ' + found.size + ' из ' + words.length);
        paint();
      }
      save();
    }, 1000);
  }

  function restart() {
    found = new Set();
    shown = false;
    mark = null;
    over = false;
    left = puzzle.clock;
    paint();
    startClock();
  }

  const saved = progress.load();
  // What the storage holds may come from anywhere: only valid word numbers count.
  (Array.isArray(saved.found) ? saved.found : []).forEach(i => { if (Number.isInteger(i) && words[i]) found.add(i); });
  shown = Boolean(saved.shown);
  if (puzzle.clock && Number.isInteger(saved.left)) left = Math.max(0, Math.min(puzzle.clock, saved.left));
  cells[0].tabIndex = 0;
  if (found.size === words.length && words.length > 0) win();
  else if (puzzle.clock && left === 0) { over = true; shown = true; showBanner('ВЫ НЕ УСПЕЛИ!!!'); clock.hidden = false; clock.textContent = clockText(); }
  paint();
  startClock();
})();
