#!/usr/bin/env python3
"""Build the word databases and the hidden-word dictionary from Debian's
Russian dictionaries (hunspell-ru and mythes-ru).

The result depends only on the two packages and on the curated lists in
curated.py, so the same packages give byte-identical files.

Usage: wordgen.py [--out DATA_DIR] [--report]
"""

import argparse
import collections
import os
import sys

import curated

HUNSPELL_DIC = "/usr/share/hunspell/ru_RU.dic"
MYTHES_DAT = "/usr/share/mythes/th_ru_RU_v2.dat"

# Affix classes of ru_RU.aff that decline a noun (masculine, feminine and
# neuter paradigms). Adjectives carry A, verbs L/B/M/P/..., so a lemma
# with one of these and without A is a noun in the nominative singular.
NOUN_FLAGS = set("KJIHFONGE")

LOWER = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
UPPER = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
TO_UPPER = str.maketrans(LOWER, UPPER)

# Minimum counts per length for the two word-database games.
MINIMUM = {3: 100, 12: 200, 13: 100, 14: 50, 15: 30}
for n in range(4, 12):
    MINIMUM[n] = 300
for n in range(16, 20):
    MINIMUM[n] = 10

VERBAL_ENDINGS = ("ание", "ение", "яние", "тие")
ITERATIVE_ENDINGS = ("ывание", "ивание", "анье", "енье")


def read_hunspell(path):
    """Lemma -> set of affix flags (an entry may occur more than once)."""
    entries = {}
    with open(path, encoding="utf-8") as f:
        next(f)  # entry count
        for line in f:
            line = line.rstrip("\n")
            if not line:
                continue
            word, _, flags = line.partition("/")
            entries.setdefault(word, set()).update(flags)
    return entries


def read_mythes(path):
    """Headwords, and how often each word appears among other entries'
    synonyms: a word that many entries point to is a common word."""
    heads = set()
    mentions = collections.Counter()
    with open(path, encoding="utf-8-sig") as f:
        lines = f.read().split("\n")
    i = 1  # line 0 names the encoding
    while i < len(lines):
        line = lines[i]
        if not line:
            i += 1
            continue
        head, _, count = line.partition("|")
        heads.add(head)
        count = int(count)
        for j in range(count):
            for syn in lines[i + 1 + j].split("|")[1:]:
                mentions[syn.strip()] += 1
        i += 1 + count
    return heads, mentions


def only_letters(word):
    return len(word) > 0 and all(c in LOWER for c in word)


class Builder:
    def __init__(self, dic, heads, mentions):
        self.dic = dic
        self.heads = heads
        self.mentions = mentions
        self.notes = []

    def is_noun_lemma(self, w):
        flags = self.dic.get(w)
        return flags is not None and bool(flags & NOUN_FLAGS) and "A" not in flags

    def with_yo(self, w):
        """mythes mostly writes Е for Ё; hunspell has both spellings. Take
        the Ё spelling when hunspell knows it as a noun."""
        if w in curated.KEEP_E or "ё" in w:
            return w
        for i, c in enumerate(w):
            if c == "е":
                v = w[:i] + "ё" + w[i + 1:]
                if self.is_noun_lemma(v) or (v in self.dic and v in curated.EXTRA_SET):
                    return v
        return w

    def verbal_noun_ok(self, w):
        if w in curated.KEEP_VERBAL:
            return True
        if w.endswith(ITERATIVE_ENDINGS):
            return False
        if w.endswith(VERBAL_ENDINGS):
            # Nouns of action are common only when other entries use them.
            return self.mentions[w] >= 2
        return True

    def nouns(self):
        words = set()
        for w in self.heads:
            if not only_letters(w) or len(w) < 3:
                continue
            if not self.is_noun_lemma(w):
                continue
            if w[-1] in "ыи":  # plural-only nouns (ножницы, сливки)
                continue
            if not self.verbal_noun_ok(w):
                continue
            words.add(w)
        for w in curated.EXTRA_SET:
            if w in self.dic:
                words.add(w)
            else:
                self.notes.append("not in hunspell, skipped: " + w)
        out = set()
        for w in words:
            v = self.with_yo(w)
            if w in curated.REJECT or v in curated.REJECT:
                continue
            if v.replace("ё", "е") in curated.REJECT:
                continue
            out.add(v)
        return out


def alphabet_key(w):
    """Russian alphabet order (Ё after Е), not code point order."""
    return [UPPER.index(c) for c in w]


def upper(w):
    return w.translate(TO_UPPER)


def no_yo(w):
    return w.replace("Ё", "Е")


def anagram_free(words):
    """Leave out every word whose letters spell another word of the list
    (Ё read as Е, as the player types it)."""
    groups = collections.defaultdict(list)
    for w in words:
        groups["".join(sorted(no_yo(w)))].append(w)
    return [w for w in words if len(groups["".join(sorted(no_yo(w)))]) == 1]


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


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    ap.add_argument("--out", default=os.path.normpath(os.path.join(here, "..", "..", "data")))
    ap.add_argument("--report", action="store_true", help="print counts and notes")
    args = ap.parse_args()

    dic = read_hunspell(HUNSPELL_DIC)
    heads, mentions = read_mythes(MYTHES_DAT)
    b = Builder(dic, heads, mentions)
    nouns = sorted((upper(w) for w in b.nouns()), key=alphabet_key)

    by_len = collections.defaultdict(list)
    for w in nouns:
        by_len[len(w)].append(w)

    short = []
    wordsearch = os.path.join(args.out, "slovolov")
    compose = os.path.join(args.out, "bukvoklad")
    hidden = os.path.join(args.out, "slovoset")
    for d in (wordsearch, compose, hidden):
        clear_dir(d)

    for n in range(3, 20):
        full = by_len[n]
        write_list(os.path.join(wordsearch, "Слова.%d" % n), full)
        plain = anagram_free([w for w in full if "Ё" not in w])
        write_list(os.path.join(compose, "Слова.%d" % n), plain)
        for name, lst in (("slovolov", full), ("bukvoklad", plain)):
            if len(lst) < MINIMUM[n]:
                short.append("%s length %d: %d < %d" % (name, n, len(lst), MINIMUM[n]))
        if args.report:
            print("length %2d: slovolov %4d  bukvoklad %4d" % (n, len(full), len(plain)))

    # The dictionary compares after Ё becomes Е, so it holds Е only.
    dictionary = collections.defaultdict(set)
    for w in nouns:
        e = no_yo(w)
        dictionary[(e[0], len(e))].add(e)
    total = 0
    for (first, n), ws in sorted(dictionary.items()):
        write_list(os.path.join(hidden, "%s.%d" % (first, n)), sorted(ws, key=alphabet_key))
        total += len(ws)
    if args.report:
        print("dictionary: %d words in %d files" % (total, len(dictionary)))
        for note in b.notes:
            print(note)
    if short:
        print("\n".join(short), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
