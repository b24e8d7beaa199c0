#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The everyday vocabulary: themed lists of nouns written by the team.

Each file in everyday/ is one theme. Its first line is "# " and the
theme's name as players see it, its second "# Правило: " and the rule
every word of the theme meets; then one noun a line, lower case, Ё where
the word has it. Blank lines and further "#" lines are comments. A word
that hunspell lists without affix classes (indeclinable or irregular:
кофе, время, мать) is marked with a trailing " *", so a bare entry of
another part of speech cannot pass unnoticed; a noun made of an adjective
(мороженое, столовая), which hunspell lists only as the adjective, is
marked " ~".

Every word must be confirmed by hunspell-ru as a noun lemma; the generator
stops on any it cannot confirm, so a typo never reaches the games.

Usage: everyday.py [FILE...]   check theme files, print what fails
"""

import os
import sys

import sources

HERE = os.path.dirname(os.path.abspath(__file__))
THEME_DIR = os.path.join(HERE, "everyday")
LOWER = sources.LOWER
# The line that states a theme's rule of membership: every word of the
# theme must meet it, since players see only the theme's name.
RULE = "# Правило: "
# Endings of nouns made of adjectives, marked " ~" in the lists.
ADJECTIVAL_ENDINGS = ("ое", "ее", "ая", "яя", "ый", "ий", "ой")


class Theme:
    def __init__(self, slug, name, words, bare, rule=""):
        self.slug = slug      # file name without .txt, e.g. "05-zhivotnye"
        self.name = name      # "Животные"
        self.rule = rule      # what the theme admits, from its "# Правило: " line
        self.words = words    # in file order, unique within the theme
        self.bare = bare      # words marked " *"
        self.adjectival = set()  # words marked " ~"


def parse_theme(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if not lines or not lines[0].startswith("# "):
        raise ValueError("%s: first line must be '# <theme name>'" % path)
    name = lines[0][2:].strip()
    words, bare, seen, adjectival = [], set(), set(), set()
    rule = ""
    for n, raw in enumerate(lines[1:], start=2):
        line = raw.strip()
        if line.startswith(RULE):
            rule = line[len(RULE):].strip()
        if not line or line.startswith("#"):
            continue
        star = line.endswith("*")
        tilde = line.endswith("~")
        w = line.rstrip("*~").strip()
        if not w or any(c not in LOWER for c in w):
            raise ValueError("%s:%d: not a lower-case Russian word: %r" % (path, n, raw))
        if w in seen:
            continue
        seen.add(w)
        words.append(w)
        if star:
            bare.add(w)
        if tilde:
            adjectival.add(w)
    slug = os.path.splitext(os.path.basename(path))[0]
    theme = Theme(slug, name, words, bare, rule)
    theme.adjectival = adjectival
    return theme


def load_themes(folder=THEME_DIR):
    names = sorted(n for n in os.listdir(folder) if n.endswith(".txt"))
    return [parse_theme(os.path.join(folder, n)) for n in names]


def problem(dic, theme, w):
    """Why hunspell does not confirm w as a noun lemma, or None."""
    spellings = [w] if "ё" not in w else [w, w.replace("ё", "е")]
    if w in theme.adjectival:
        # A noun made of an adjective (мороженое, столовая): hunspell lists
        # only the adjective (мороженый), with its affix class A.
        stems = {s[:-2] for s in spellings if s.endswith(ADJECTIVAL_ENDINGS)}
        if any("A" in dic.get(s + e, ()) for s in stems for e in ("ый", "ий", "ой")):
            return None
        return "marked ~ but no hunspell adjective ends it so"
    if w in theme.bare:
        if any(s in dic and not dic[s] for s in spellings):
            return None
        return "marked * but not a bare hunspell entry"
    if any(sources.is_noun_lemma(dic, s) for s in spellings):
        return None
    if any(s in dic for s in spellings):
        flags = "".join(sorted(dic[next(s for s in spellings if s in dic)]))
        if not flags:
            return "bare hunspell entry: mark it ' *' if it is a noun"
        return "in hunspell, but not as a noun lemma (flags %s)" % flags
    return "not in hunspell"


def problems(dic, themes):
    out = []
    for t in themes:
        for w in t.words:
            why = problem(dic, t, w)
            if why:
                out.append("%s: %s: %s" % (t.slug, w, why))
    return out


def main(argv):
    themes = [parse_theme(p) for p in argv] if argv else load_themes()
    dic = sources.read_hunspell()
    bad = problems(dic, themes)
    for line in bad:
        print(line)
    words = set()
    for t in themes:
        words.update(t.words)
        print("%-28s %4d" % (t.slug + " (" + t.name + ")", len(t.words)), file=sys.stderr)
    print("%d words, %d unconfirmed" % (len(words), len(bad)), file=sys.stderr)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
