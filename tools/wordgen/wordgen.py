#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build the word databases and the hidden-word dictionary.

Sources: the team's everyday vocabulary (everyday/, long.txt), hunspell-ru
noun lemmas, the mythes-ru thesaurus, the word list of tesseract-ocr-rus as
a "word in use" filter, the russian-bad-words blocklist (npm) and the hand
lists of curated.py. The same package versions give byte-identical files.

Usage: wordgen.py [--out DATA_DIR] [--report]
"""

import argparse
import collections
import os
import shutil
import sys

import curated
import everyday
import sources

# Minimum counts per length for the two word-database games.
MINIMUM = {3: 100, 12: 200, 13: 100, 14: 50, 15: 30}
for n in range(4, 12):
    MINIMUM[n] = 300
for n in range(16, 20):
    MINIMUM[n] = 10

# Abstract endings that gave long words away; their share is capped.
ABSTRACT_ENDINGS = ("ость", "ние", "тие", "ье", "есть")
ABSTRACT_CAP = (5, 14)  # lengths where at most a third may end so
DICTIONARY_SIZE = (10000, 15000)
# Nouns in use that the thesaurus does not know join the dictionary from
# this length on: a long hit in a text is seldom an accident.
DICTIONARY_TAIL_FROM = 8
# Picked lists without a theme: long and mid-length words read one by one
# from the dictionaries, and everyday words no theme's rule admits.
PICKED_FILES = ("long.txt", "mid.txt", "other.txt")
# A theme gets a word file of a length only when it has this many words.
THEME_LEAST = 4
# Short nouns picked for the hidden-word dictionary only: familiar to a
# reader who meets them in a text, but not all what a grid should show.
DICTIONARY_PICKED = "short.txt"

VERBAL_ENDINGS = ("ание", "ение", "яние", "тие")
ITERATIVE_ENDINGS = ("ывание", "ивание", "анье", "енье")

LOWER = sources.LOWER
UPPER = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
TO_UPPER = str.maketrans(LOWER, UPPER)


def upper(w):
    return w.translate(TO_UPPER)


def e_form(w):
    return w.replace("ё", "е").replace("Ё", "Е")


def alphabet_key(w):
    """Russian alphabet order (Ё after Е), not code point order."""
    return [UPPER.index(c) for c in upper(w)]


def letters_key(w):
    """Two words share it when one is an anagram of the other (Ё as Е)."""
    return "".join(sorted(e_form(upper(w))))


def is_abstract(w):
    return w.lower().endswith(ABSTRACT_ENDINGS)


class Sources:
    """Everything the generator reads, loaded once."""

    def __init__(self):
        self.dic = sources.read_hunspell()
        self.heads, self.mentions = sources.read_mythes()
        self.in_use = {e_form(w) for w in sources.read_tesseract_words()}
        self.blocked_forms = sources.read_blocklist()
        self.themes = everyday.load_themes()
        # Long words picked by hand from the dictionaries, without a theme.
        self.picked = [everyday.parse_theme(os.path.join(everyday.HERE, n)) for n in PICKED_FILES]
        self.for_dictionary = everyday.parse_theme(os.path.join(everyday.HERE, DICTIONARY_PICKED))


class Builder:
    def __init__(self, src):
        self.src = src
        self.notes = []

    # --- tests a word must pass -------------------------------------------

    def blocked(self, w):
        return w in self.src.blocked_forms or e_form(w) in self.src.blocked_forms or curated.BLOCK_ROOTS.search(w)

    def unwanted(self, w):
        """Never in a family game, whoever proposes it."""
        return (curated.family_category(w) is not None or e_form(w) in curated.ETHNIC_E
                or bool(self.blocked(w)))

    def rejected(self, w):
        return e_form(w) in curated.REJECT_E or self.unwanted(w)

    def in_use(self, w):
        return e_form(w) in self.src.in_use

    def in_dictionary(self, w):
        """A noun in use that the thesaurus knows, or a long one."""
        return w in self.src.heads or self.src.mentions[w] >= 1 or len(w) >= DICTIONARY_TAIL_FROM

    def verbal_noun_ok(self, w):
        if w in curated.KEEP_VERBAL:
            return True
        if w.endswith(ITERATIVE_ENDINGS):
            return False
        if w.endswith(VERBAL_ENDINGS):
            # Nouns of action are common only when other entries use them.
            return self.src.mentions[w] >= 2
        return True

    def with_yo(self, w):
        """The thesaurus mostly writes Е for Ё; take hunspell's Ё spelling
        of the noun when it has one."""
        if w in curated.KEEP_E or "ё" in w:
            return w
        for i, c in enumerate(w):
            if c == "е":
                v = w[:i] + "ё" + w[i + 1:]
                if sources.is_noun_lemma(self.src.dic, v):
                    return v
        return w

    # --- word sets --------------------------------------------------------

    def everyday(self):
        """The themed vocabulary and the long words, every one confirmed by
        hunspell; the generator stops on any it cannot confirm."""
        bad = everyday.problems(self.src.dic, self.src.themes + self.src.picked + [self.src.for_dictionary])
        if bad:
            raise SystemExit("unconfirmed everyday words:\n" + "\n".join(bad))
        words = set()
        for t in self.src.themes + self.src.picked:
            for w in t.words:
                if self.unwanted(w):
                    self.notes.append("everyday word left out: " + w)
                elif t in self.src.picked:
                    # Picked from lists that mostly write Е for Ё.
                    words.add(self.with_yo(w))
                else:
                    words.add(w)
        return words

    def noun_lemmas(self):
        """hunspell nouns in the nominative singular, without plural-only
        nouns and without words the hand lists or the blocklist refuse."""
        out = set()
        for w, flags in self.src.dic.items():
            if len(w) < 3 or not sources.only_letters(w) or not sources.is_noun_lemma(self.src.dic, w):
                continue
            if w[-1] in "ыи" or w in curated.PLURAL_ONLY:
                continue
            if not self.rejected(w):
                out.add(w)
        return out

    def extra(self):
        out = set()
        for w in curated.EXTRA:
            if w not in self.src.dic:
                self.notes.append("not in hunspell, skipped: " + w)
            elif not self.rejected(w):
                out.add(w)
        return out

    def familiar(self, lemmas):
        """Thesaurus headwords that are also in use: the candidates of the
        two word games beyond the everyday vocabulary."""
        out = set()
        for w in self.src.heads:
            if w in lemmas and self.in_use(w) and self.verbal_noun_ok(w):
                out.add(self.with_yo(w))
        return {w for w in out if not self.rejected(w)}

    def rank(self, w, core):
        """Lower sorts first: everyday, then the most named synonyms."""
        return (0 if w in core else 1, -self.src.mentions[e_form(w)], alphabet_key(w))


def cap_abstract(words, core, builder):
    """At most a third of a list may end in an abstract ending; the
    everyday words stay, the least named others go first."""
    abstract = sorted((w for w in words if is_abstract(w)), key=lambda w: builder.rank(w, core))
    concrete = len(words) - len(abstract)
    keep = max(concrete // 2, sum(1 for w in abstract if w in core))
    return [w for w in words if not is_abstract(w)] + abstract[:keep]


def one_spelling(words, core):
    """Where a word comes both with Ё and with Е (ЁЛКА, ЕЛКА), keep the
    everyday spelling (НЕБО, not НЁБО), else the one with Ё."""
    best = {}
    for w in sorted(words, key=lambda w: (w in core, "ё" in w)):
        best[e_form(w)] = w
    return set(best.values())


def game_lists(builder, core, candidates):
    """Word lists per length for the word search: everyday words first,
    then familiar candidates, the abstract share capped; the longest
    lengths keep only concrete nouns beyond the everyday ones."""
    by_len = collections.defaultdict(set)
    for w in one_spelling(core | candidates, core):
        by_len[len(w)].add(w)
    lists = {}
    for n in range(3, 20):
        words = sorted(by_len[n])
        if ABSTRACT_CAP[0] <= n <= ABSTRACT_CAP[1]:
            words = cap_abstract(words, core, builder)
        elif n > ABSTRACT_CAP[1]:
            words = [w for w in words if w in core or not is_abstract(w)]
        lists[n] = sorted(words, key=alphabet_key)
    return lists


def anagram_free(words, known, allowed):
    """Leave out every word whose letters also spell another noun (Ё read
    as Е, as the player types it), so the answer is always the only one;
    allowed names, per word, the truly obscure nouns that may share them."""
    spellings = collections.defaultdict(set)
    for w in known:
        spellings[letters_key(w)].add(e_form(upper(w)))
    out = []
    for w in words:
        others = spellings[letters_key(w)] - {e_form(upper(w))}
        if others <= {e_form(upper(x)) for x in allowed.get(w.lower(), ("", ""))[0].split()}:
            out.append(w)
    return out


def second_answers(builder):
    """Every noun a player might type for a compose-a-word board: the
    dictionaries' nouns, indeclinable ones included, and the words the
    generator blocks, which a player can type all the same."""
    src = builder.src
    nouns = sources.language_nouns(src.dic, curated.NOT_NOUNS)
    blocked = {w for w in src.blocked_forms if sources.only_letters(w)}
    blocked |= curated.REJECT | curated.ETHNIC | {w for ws in curated.FAMILY.values() for w in ws}
    return nouns | blocked


def dictionary_words(builder, core, games, lemmas):
    """The hidden-word dictionary: the everyday and game words, and the
    nouns in use of four letters and more; three-letter words only from the
    everyday vocabulary and the hand set, since most short hits in a text
    are accidental."""
    three = {w for w in core if len(w) == 3} | curated.THREE_LETTER
    words = set(core) | set().union(*games.values())
    words |= {w for w in builder.src.for_dictionary.words if not builder.unwanted(w)}
    words |= {w for w in lemmas if builder.in_use(w) and builder.in_dictionary(w)}
    words = {w for w in words if len(w) >= 4 or (len(w) == 3 and w in three)}
    return {e_form(upper(w)) for w in words}


def theme_lists(themes, lists):
    """Per theme and length, the theme's words that the game's list holds,
    spelled as there; a length with too few words is left to the full list."""
    out = {}
    for t in themes:
        wanted = {e_form(upper(w)) for w in t.words}
        for n, words in lists.items():
            mine = [w for w in words if e_form(w) in wanted]
            if len(mine) >= THEME_LEAST:
                out[(t.name, n)] = mine
    return out


def write_themes(folder, themes, lists):
    """data/themes/<program>/<theme name>/Слова.N, the games' own format."""
    if os.path.isdir(folder):
        shutil.rmtree(folder)
    for (name, n), words in sorted(theme_lists(themes, lists).items()):
        os.makedirs(os.path.join(folder, name), exist_ok=True)
        write_list(os.path.join(folder, name, "Слова.%d" % n), words)


def write_list(path, words):
    body = "".join(w + "\r\n" for w in words)
    data = (str(len(words)) + "\r\n" + body).encode("cp1251")
    with open(path, "wb") as f:
        f.write(data)


def clear_dir(path):
    """Remove earlier word files so a shrinking list leaves no stale file."""
    os.makedirs(path, exist_ok=True)
    for name in os.listdir(path):
        _, dot, ext = name.rpartition(".")
        if dot and ext.isdigit():
            os.remove(os.path.join(path, name))


def abstract_share(words):
    return sum(1 for w in words if is_abstract(w)) / len(words) if words else 0.0


def build(src):
    b = Builder(src)
    core = b.everyday()
    lemmas = b.noun_lemmas()
    games = game_lists(b, core, b.extra() | b.familiar(lemmas))
    dictionary = dictionary_words(b, core, games, lemmas)
    known = (dictionary | {upper(w) for w in core} | {upper(w) for ws in games.values() for w in ws}
             | {upper(w) for w in second_answers(b)})
    compose = {n: anagram_free(ws, known, curated.ANAGRAM_ALLOWED) for n, ws in games.items()}
    return b, games, compose, dictionary


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.normpath(os.path.join(everyday.HERE, "..", "..", "data")))
    ap.add_argument("--report", action="store_true", help="print counts and notes")
    args = ap.parse_args()

    b, games, compose, dictionary = build(Sources())

    wordsearch = os.path.join(args.out, "slovolov")
    composeword = os.path.join(args.out, "bukvoklad")
    hidden = os.path.join(args.out, "slovoset")
    for d in (wordsearch, composeword, hidden):
        clear_dir(d)

    short = []
    for n in range(3, 20):
        full = [upper(w) for w in games[n]]
        plain = [upper(w) for w in compose[n]]
        write_list(os.path.join(wordsearch, "Слова.%d" % n), full)
        write_list(os.path.join(composeword, "Слова.%d" % n), plain)
        for name, lst in (("slovolov", full), ("bukvoklad", plain)):
            if len(lst) < MINIMUM[n]:
                short.append("%s length %d: %d < %d" % (name, n, len(lst), MINIMUM[n]))
        if args.report:
            print("length %2d: slovolov %4d (abstract %3.0f %%)  bukvoklad %4d (abstract %3.0f %%)"
                  % (n, len(full), 100 * abstract_share(full), len(plain), 100 * abstract_share(plain)))

    themes = os.path.join(args.out, "themes")
    full_lists = {n: [upper(w) for w in ws] for n, ws in games.items()}
    plain_lists = {n: [upper(w) for w in ws] for n, ws in compose.items()}
    write_themes(os.path.join(themes, "slovolov"), b.src.themes, full_lists)
    write_themes(os.path.join(themes, "bukvoklad"), b.src.themes, plain_lists)

    files = collections.defaultdict(list)
    for w in dictionary:
        files[(w[0], len(w))].append(w)
    for (first, n), ws in sorted(files.items()):
        write_list(os.path.join(hidden, "%s.%d" % (first, n)), sorted(ws, key=alphabet_key))
    if not DICTIONARY_SIZE[0] <= len(dictionary) <= DICTIONARY_SIZE[1]:
        short.append("dictionary: %d words, outside %d..%d" % ((len(dictionary),) + DICTIONARY_SIZE))
    if args.report:
        print("dictionary: %d words in %d files" % (len(dictionary), len(files)))
        for note in b.notes:
            print(note)
    if short:
        print("\n".join(short), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
