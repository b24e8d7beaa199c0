# SPDX-License-Identifier: GPL-3.0-or-later
"""Readers of the free word sources the generator builds on.

- hunspell-ru: every lemma and its affix classes (which tell a noun);
- mythes-ru: thesaurus headwords, and how often a word is named as a
  synonym (a word many entries point to is a common word);
- tesseract-ocr-rus: the word list inside its language model, a list of
  word forms seen in ordinary texts, used as a "word in use" filter;
- russian-bad-words (npm, MIT): every form of the obscenities it lists.
"""

import collections
import glob
import os
import re
import subprocess
import tempfile

HUNSPELL_DIC = "/usr/share/hunspell/ru_RU.dic"
MYTHES_DAT = "/usr/share/mythes/th_ru_RU_v2.dat"
TESSDATA = "/usr/share/tesseract-ocr/5/tessdata/rus.traineddata"
HERE = os.path.dirname(os.path.abspath(__file__))
BLOCKLIST_DIR = os.path.join(HERE, "node_modules", "russian-bad-words", "src", "words")

# Affix classes of ru_RU.aff that decline a noun (masculine, feminine and
# neuter paradigms). Adjectives carry A, verbs L/B/M/P/..., so a lemma
# with one of these and without A is a noun in the nominative singular.
NOUN_FLAGS = set("KJIHFONGE")
LOWER = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"


def only_letters(word):
    return len(word) > 0 and all(c in LOWER for c in word)


def read_hunspell(path=HUNSPELL_DIC):
    """Lemma -> set of affix flags (an entry may occur more than once)."""
    entries = {}
    with open(path, encoding="utf-8") as f:
        next(f)  # entry count
        for line in f:
            word, _, flags = line.rstrip("\n").partition("/")
            if word:
                entries.setdefault(word, set()).update(flags)
    return entries


def is_noun_lemma(dic, w):
    flags = dic.get(w)
    return flags is not None and bool(flags & NOUN_FLAGS) and "A" not in flags


# Indeclinable nouns (цунами, табу, кофе) are hunspell entries without affix
# classes, among the irregular forms and function words listed the same way;
# those that end in a vowel are taken for nouns unless a hand list says not.
INDECLINABLE_ENDINGS = tuple("аеёиоуыэюя")


def language_nouns(dic, not_nouns=()):
    """Every lower-case noun the dictionary knows: the noun lemmas, and the
    bare entries that may be indeclinable nouns."""
    out = set()
    for w, flags in dic.items():
        if not only_letters(w):
            continue
        if is_noun_lemma(dic, w) or (not flags and w.endswith(INDECLINABLE_ENDINGS) and w not in not_nouns):
            out.add(w)
    return out


def read_mythes(path=MYTHES_DAT):
    """Headwords, and how often each word appears among other entries'
    synonyms."""
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


def read_tesseract_words(path=TESSDATA):
    """Lower-case word forms of the language model's word list. The list is
    packed as a DAWG inside the model; the tesseract tools unpack it."""
    with tempfile.TemporaryDirectory() as tmp:
        prefix = os.path.join(tmp, "rus.")
        subprocess.run(["combine_tessdata", "-u", path, prefix], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        out = os.path.join(tmp, "words.txt")
        subprocess.run(["dawg2wordlist", prefix + "lstm-unicharset", prefix + "lstm-word-dawg", out],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(out, encoding="utf-8") as f:
            return {line.strip().lower() for line in f if line.strip()}


def read_blocklist(folder=BLOCKLIST_DIR):
    """Every quoted Cyrillic form in the package's word sources."""
    if not os.path.isdir(folder):
        raise SystemExit("blocklist missing: run 'npm ci' in " + HERE)
    forms = set()
    for path in sorted(glob.glob(os.path.join(folder, "**", "*.ts"), recursive=True)):
        with open(path, encoding="utf-8") as f:
            forms.update(w.lower() for w in re.findall(r"'([а-яёА-ЯЁ]+)'", f.read()))
    return forms
