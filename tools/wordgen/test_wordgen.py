# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of the committed word data against its sources and promises.

Run by ctest (wordgen_tests) or: python3 -m unittest tools/wordgen/test_wordgen.py
Needs the generator's sources (hunspell-ru, mythes-ru, tesseract-ocr-rus and
'npm ci' in tools/wordgen), which scripts/setup installs.
"""

import collections
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import curated  # noqa: E402
import everyday  # noqa: E402
import sources  # noqa: E402
import wordgen  # noqa: E402

DATA = os.path.normpath(os.path.join(HERE, "..", "..", "data"))


def read_list(path):
    with open(path, "rb") as f:
        lines = f.read().decode("cp1251").split("\r\n")
    assert lines[-1] == "" and int(lines[0]) == len(lines) - 2, path
    return lines[1:-1]


def read_folder(folder):
    """Length -> words of every *.N file of a folder."""
    out = collections.defaultdict(list)
    for name in sorted(os.listdir(folder)):
        stem, _, ext = name.rpartition(".")
        if ext.isdigit():
            out[int(ext)].extend(read_list(os.path.join(folder, name)))
    return out


WORDSEARCH = read_folder(os.path.join(DATA, "slovolov"))
COMPOSE = read_folder(os.path.join(DATA, "bukvoklad"))
DICTIONARY = {w for ws in read_folder(os.path.join(DATA, "slovoset")).values() for w in ws}
THEMES = everyday.load_themes()
PICKED = [everyday.parse_theme(os.path.join(HERE, n)) for n in wordgen.PICKED_FILES]
EVERYDAY = {wordgen.upper(w) for t in THEMES + PICKED for w in t.words}
FOR_DICTIONARY = everyday.parse_theme(os.path.join(HERE, wordgen.DICTIONARY_PICKED))


def _language(src):
    """Every lower-case noun of hunspell (indeclinables too) and every word
    the generator blocks: a player may type any of them."""
    blocked = {w for w in src.blocked_forms if sources.only_letters(w)}
    blocked |= curated.REJECT | curated.ETHNIC | {w for ws in curated.FAMILY.values() for w in ws}
    return sources.language_nouns(src.dic, curated.NOT_NOUNS) | blocked




def second_answers(w):
    """Other nouns spelled with the letters of w (upper case), Ё read as Е."""
    key = wordgen.letters_key(w)
    return (LANGUAGE_ANAGRAMS[key] | ANAGRAMS[key]) - {wordgen.e_form(w)}


def allowed_partners(w):
    partners = curated.ANAGRAM_ALLOWED.get(w.lower(), ("", ""))[0]
    return {wordgen.e_form(wordgen.upper(p)) for p in partners.split()}


# The word search's spelling of each word, found by its Е form.
SPELLING = {wordgen.e_form(w): w for ws in WORDSEARCH.values() for w in ws}
ANAGRAMS = collections.defaultdict(set)
for _w in DICTIONARY | EVERYDAY | {w for ws in WORDSEARCH.values() for w in ws}:
    ANAGRAMS[wordgen.letters_key(_w)].add(wordgen.e_form(_w))


def unwanted_everyday():
    """Everyday words the generator leaves out on purpose (blocklist forms
    that are also innocent words, such as СУК)."""
    src = wordgen.Sources()
    b = wordgen.Builder(src)
    return {wordgen.upper(w) for t in THEMES + PICKED for w in t.words if b.unwanted(w)}, src


UNWANTED, SOURCES = unwanted_everyday()
LANGUAGE = _language(SOURCES)
LANGUAGE_ANAGRAMS = collections.defaultdict(set)
for _w in LANGUAGE:
    LANGUAGE_ANAGRAMS[wordgen.letters_key(_w)].add(wordgen.e_form(wordgen.upper(_w)))


class EverydayVocabulary(unittest.TestCase):
    def test_every_word_is_a_hunspell_noun_lemma(self):
        self.assertEqual(everyday.problems(SOURCES.dic, THEMES + PICKED + [FOR_DICTIONARY]), [])

    def test_large_and_themed(self):
        self.assertGreaterEqual(len(EVERYDAY), 3000)
        self.assertGreaterEqual(len(THEMES), 15)
        for t in THEMES:
            self.assertTrue(t.name and not t.name.startswith("#"), t.slug)
            # Small themes (Грибы, Рыбалка) are true ones; a board still
            # needs a few words of several lengths.
            self.assertGreaterEqual(len(t.words), 20, t.slug)

    def test_every_theme_states_its_rule(self):
        self.assertEqual([t.slug for t in THEMES if len(t.rule) < 20], [])

    def test_every_theme_word_was_read_against_the_rule(self):
        # reviewed/ holds, per theme, the words a reader who did not write
        # the list accepted with only the rule and the list at hand: a word
        # added since waits for the next reading.
        for t in THEMES:
            reviewed = everyday.parse_theme(os.path.join(HERE, "reviewed", t.slug + ".txt"))
            self.assertEqual(reviewed.name, t.name, t.slug)
            self.assertEqual([w for w in t.words if w not in reviewed.words], [], t.slug)

    def test_names_the_words_players_missed(self):
        missed = ("кошка молоко солнце яблоко сестра дверь звезда птица песня поезд автобус весна осень "
                  "неделя кухня телефон берёза озеро музыка январь февраль апрель август сентябрь октябрь "
                  "ноябрь декабрь май").split()
        themed = {w for t in THEMES for w in t.words}
        self.assertEqual([w for w in missed if w not in themed], [])

    def test_in_every_list_that_fits(self):
        missing = []
        for w in sorted(EVERYDAY - UNWANTED):
            n = len(w)
            if n < 3:  # neither game has a list for ЁЖ
                continue
            if wordgen.e_form(w) not in DICTIONARY:
                missing.append("dictionary: " + w)
            shown = SPELLING.get(wordgen.e_form(w))
            if n <= 19 and shown is None:
                missing.append("slovolov: " + w)
            if n <= 19 and shown and self.only_answer(shown) and shown not in COMPOSE[n]:
                missing.append("bukvoklad: " + w)
        self.assertEqual(missing, [])

    def test_dictionary_picks_in_the_dictionary(self):
        missing = [w for w in FOR_DICTIONARY.words if wordgen.e_form(wordgen.upper(w)) not in DICTIONARY]
        self.assertEqual(missing, [])

    @staticmethod
    def only_answer(w):
        return second_answers(w) <= allowed_partners(w)


class Shape(unittest.TestCase):
    def test_abstract_endings_at_most_a_third_of_lengths_5_to_14(self):
        for lists in (WORDSEARCH, COMPOSE):
            for n in range(5, 15):
                share = wordgen.abstract_share(lists[n])
                self.assertLessEqual(share, 1 / 3 + 1e-9, "length %d: %.2f" % (n, share))

    def test_longest_lengths_are_concrete_beyond_the_everyday_words(self):
        for n in range(15, 20):
            self.assertEqual([w for w in WORDSEARCH[n] if wordgen.is_abstract(w) and w not in EVERYDAY], [])

    def test_minimum_sizes(self):
        for lists in (WORDSEARCH, COMPOSE):
            for n, least in wordgen.MINIMUM.items():
                self.assertGreaterEqual(len(lists[n]), least, n)

    def test_dictionary_size_and_short_words(self):
        self.assertGreaterEqual(len(DICTIONARY), wordgen.DICTIONARY_SIZE[0])
        self.assertLessEqual(len(DICTIONARY), wordgen.DICTIONARY_SIZE[1])
        three = {wordgen.upper(w) for w in curated.THREE_LETTER} | {w for w in EVERYDAY if len(w) == 3}
        self.assertEqual({w for w in DICTIONARY if len(w) == 3} - {wordgen.e_form(w) for w in three}, set())


class Answers(unittest.TestCase):
    def test_compose_word_has_no_second_answer_in_the_language(self):
        clashes = ["%s/%s" % (w, ",".join(sorted(second_answers(w) - allowed_partners(w))))
                   for ws in COMPOSE.values() for w in ws if not second_answers(w) <= allowed_partners(w)]
        self.assertEqual(clashes, [])

    def test_reported_pairs_are_gone(self):
        pairs = ("НОРМА РОМАН ОТПОР ТОПОР СРЕДА АДРЕС ХВАЛА ХАЛВА КЛОУН КУЛОН БОКАЛ КОЛБА АВТОР ТОВАР "
                 "ЛОПАТА ОПЛАТА ОТМЕНА МОНЕТА КРЕДИТОР ДИРЕКТОР СЕЛО ЛОШАДКА МАЛЯР КОЧЕРГА ТЕПЛИЦА "
                 "РОГАТКА КАПЛЯ ТРАВА УМНИЦА АЗБУКА МАТЕРИК ГОРБ ГРОМ ПРУТ СТОЛ КИТ").split()
        compose = {w for ws in COMPOSE.values() for w in ws}
        self.assertEqual([w for w in pairs if w in compose], [])

    def test_indeclinable_and_blocked_partners_count(self):
        # ЦУНАМИ and ТАБУ have no affix classes; ГРОБ is a word the lists block.
        for word, partner in (("УМНИЦА", "ЦУНАМИ"), ("ТУБА", "ТАБУ"), ("ГОРБ", "ГРОБ"), ("ТРАВА", "ВРАТА")):
            self.assertIn(partner, second_answers(word), word)

    def test_allowed_partners_are_obscure_hunspell_nouns_nobody_lists(self):
        listed = DICTIONARY | EVERYDAY | {wordgen.e_form(w) for ws in WORDSEARCH.values() for w in ws}
        compose = {w for ws in COMPOSE.values() for w in ws}
        for word, (partners, reason) in curated.ANAGRAM_ALLOWED.items():
            self.assertTrue(reason, word)
            self.assertIn(SPELLING.get(wordgen.e_form(wordgen.upper(word))), compose, word)
            for p in partners.split():
                self.assertIn(p, LANGUAGE, word)
                self.assertEqual(wordgen.letters_key(p), wordgen.letters_key(word), word)
                self.assertFalse(wordgen.e_form(wordgen.upper(p)) in listed, (word, p))
        self.assertLessEqual(len(curated.ANAGRAM_ALLOWED), 50)

    def test_not_nouns_are_bare_entries_only(self):
        # The list may only set aside entries hunspell gives no affix class.
        self.assertEqual(sorted(w for w in curated.NOT_NOUNS if SOURCES.dic.get(w) != set()), [])

    def test_yo_words_are_back_and_typed_with_e_answer_only_themselves(self):
        compose = {w for ws in COMPOSE.values() for w in ws}
        for w in ("КОВЁР", "БЕРЁЗА", "САМОЛЁТ", "ВЕРТОЛЁТ", "ЛЁТЧИК", "РЕБЁНОК"):
            self.assertIn(w, compose)
        typed = collections.Counter(wordgen.e_form(w) for w in compose)
        self.assertEqual([w for w in compose if typed[wordgen.e_form(w)] > 1], [])


class FamilyFilter(unittest.TestCase):
    def spellings(self, w):
        """w, its Е form, and each Е of it read as Ё."""
        plain = wordgen.e_form(w)
        return {w, plain} | {plain[:i] + "ё" + plain[i + 1:] for i, c in enumerate(plain) if c == "е"}

    def test_every_category_applies_on_both_spellings(self):
        b = wordgen.Builder(SOURCES)
        for name, words in curated.FAMILY.items():
            self.assertGreaterEqual(len(words), 20, name)
            passed = [s for w in words for s in self.spellings(w) if not b.unwanted(s)]
            self.assertEqual(passed, [], name)

    def test_rejected_words_leak_in_neither_spelling(self):
        b = wordgen.Builder(SOURCES)
        self.assertEqual([s for w in curated.REJECT for s in self.spellings(w) if not b.rejected(s)], [])
        for w in ("ЧЕРТ", "ГРАБЕЖ", "НАЕМНИК", "ТУБЕРКУЛЕЗ", "КОСТЕЛ", "РЕЗОНЕР", "ГИБЕЛЬ", "ПРЕСТУПНИК",
                  "ВОЙНА", "ВЗРЫВ", "КРОВЬ", "КОРЬ", "ТИФ", "ЛЕЙКЕМИЯ", "ЗАДНИЦА", "БОМЖ", "НАРКОБИЗНЕС"):
            self.assertNotIn(w, DICTIONARY)

    def test_roots_catch_compounds_but_not_innocent_words(self):
        for w in ("аппендицит", "наркобизнесмен", "бомбардировка", "остеохондроз", "гайморит"):
            self.assertIsNotNone(curated.family_category(w), w)
        for w in ("алфавит", "мороз", "бисквит", "граница", "пушистость", "прокурор", "гранит", "кино"):
            self.assertIsNone(curated.family_category(w), w)

    def test_home_illnesses_only_in_the_theme_that_holds_them(self):
        for w in curated.ILLNESS_AT_HOME:
            self.assertIsNone(curated.family_category(w), w)
            self.assertEqual([t.name for t in THEMES if w in t.words], ["У врача"], w)

    def test_no_listed_word_falls_in_a_category(self):
        every = {w for lists in (WORDSEARCH, COMPOSE) for ws in lists.values() for w in ws} | DICTIONARY
        self.assertEqual(sorted(w for w in every if curated.family_category(w.lower())), [])


class Blocklist(unittest.TestCase):
    def test_no_listed_word_is_blocked_or_unwanted(self):
        b = wordgen.Builder(SOURCES)
        every = {w for lists in (WORDSEARCH, COMPOSE) for ws in lists.values() for w in ws} | DICTIONARY
        self.assertEqual(sorted(w for w in every if b.unwanted(w.lower())), [])

    def test_roots_catch_compounds_but_not_innocent_words(self):
        for w in ("долбоёб", "распиздяй", "наебалово"):
            self.assertTrue(curated.BLOCK_ROOTS.search(w), w)
        for w in ("гребля", "хлеб", "небо", "ребёнок", "учебник", "художник", "потребитель"):
            self.assertFalse(curated.BLOCK_ROOTS.search(w), w)


def word_files(folder):
    """Relative path -> bytes of every word file under a folder."""
    out = {}
    for root, _, names in os.walk(folder):
        for n in names:
            if n.rpartition(".")[2].isdigit():
                with open(os.path.join(root, n), "rb") as f:
                    out[os.path.relpath(os.path.join(root, n), folder)] = f.read()
    return out


class Themes(unittest.TestCase):
    def test_theme_files_hold_only_words_of_the_games_lists(self):
        for game, lists in (("slovolov", WORDSEARCH), ("bukvoklad", COMPOSE)):
            folder = os.path.join(DATA, "themes", game)
            names = sorted(os.listdir(folder))
            self.assertEqual(names, sorted(t.name for t in THEMES if os.path.isdir(os.path.join(folder, t.name))))
            self.assertGreaterEqual(len(names), 15, game)
            for name in names:
                for n, words in read_folder(os.path.join(folder, name)).items():
                    self.assertGreaterEqual(len(words), wordgen.THEME_LEAST, (game, name, n))
                    self.assertEqual([w for w in words if w not in lists[n]], [], (game, name, n))

    def test_animals_know_the_cat(self):
        self.assertIn("КОШКА", read_list(os.path.join(DATA, "themes", "bukvoklad", "Животные", "Слова.5")))


class Generator(unittest.TestCase):
    def test_reproduces_the_committed_files(self):
        with tempfile.TemporaryDirectory() as tmp:
            old = sys.argv
            sys.argv = ["wordgen.py", "--out", tmp]
            try:
                self.assertEqual(wordgen.main(), 0)
            finally:
                sys.argv = old
            for sub in ("slovolov", "bukvoklad", "slovoset", "themes"):
                self.assertEqual(word_files(os.path.join(tmp, sub)), word_files(os.path.join(DATA, sub)), sub)


if __name__ == "__main__":
    unittest.main()
