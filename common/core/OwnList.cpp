// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnList.h"

#include "Alphabet.h"
#include "Cp1251.h"
#include "TextDetect.h"
#include "TextFile.h"

#include <algorithm>
#include <unordered_set>

namespace smek {

namespace {

bool isSeparator(char32_t c) {
    return c == U',' || c == U';' || c == U' ' || c == U'\t' || c == U'\r' || c == U'\v' || c == U'\f' ||
           c == U'\u00A0';
}

// Marks a teacher puts into a word without changing its letters.
bool isInvisibleMark(char32_t c) {
    return c == U'\u0301' || c == U'\u00AD' || c == U'\u200B' || c == U'\uFEFF';
}

// The CP1251 capital of a Russian letter, 0 for anything else.
char russianCapital(char32_t c) {
    if (c == U'Ё' || c == U'ё') return kYoUpper;
    if (c >= U'А' && c <= U'Я') return static_cast<char>(0xC0 + (c - U'А'));
    if (c >= U'а' && c <= U'я') return static_cast<char>(0xC0 + (c - U'а'));
    return 0;
}

// A word as the author wrote it, short enough for one line of a message.
std::string shownWord(std::string_view utf8) {
    constexpr size_t kShown = 30;
    std::string out;
    size_t i = 0, count = 0;
    char32_t c = 0;
    while (i < utf8.size()) {
        const size_t start = i;
        nextUtf8(utf8, i, c);
        if (++count > kShown) return out + "…";
        out.append(utf8.substr(start, i - start));
    }
    return out;
}

// The words taken so far, for the check of repeats: a pasted list may hold
// many thousands.
using Seen = std::unordered_set<std::string>;

void takeWord(std::string_view item, int line, OwnListParse& out, Seen& seen) {
    std::string word;
    bool russian = true;
    size_t i = 0;
    char32_t c = 0;
    while (i < item.size()) {
        if (!nextUtf8(item, i, c)) {
            russian = false;
            continue;
        }
        if (isInvisibleMark(c)) continue;
        const char capital = russianCapital(c);
        if (!capital) russian = false;
        word += capital;
    }
    using Reason = OwnWordProblem::Reason;
    const auto refuse = [&](Reason reason) { out.problems.push_back({line, shownWord(item), reason}); };
    const int letters = static_cast<int>(word.size());
    if (!russian)
        refuse(Reason::NotRussian);
    else if (letters < kOwnWordMinLetters)
        refuse(Reason::TooShort);
    else if (letters > kOwnWordMaxLetters)
        refuse(Reason::TooLong);
    else if (!seen.insert(word).second)
        refuse(Reason::Repeated);
    else
        out.list.words.push_back(std::move(word));
}

void takeLine(std::string_view line, int number, OwnListParse& out, Seen& seen) {
    size_t i = 0, itemStart = 0;
    char32_t c = 0;
    while (i < line.size()) {
        const size_t start = i;
        nextUtf8(line, i, c);
        if (isSeparator(c)) {
            if (start > itemStart) takeWord(line.substr(itemStart, start - itemStart), number, out, seen);
            itemStart = i;
        }
    }
    if (line.size() > itemStart) takeWord(line.substr(itemStart), number, out, seen);
}

// One line, without control characters or blanks at its ends.
std::string cleanTitle(std::string_view utf8) {
    std::string title;
    for (char ch : utf8) title += static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch;
    const size_t first = title.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return title.substr(first, title.find_last_not_of(' ') - first + 1);
}

} // namespace

OwnListParse parseOwnWords(std::string_view utf8, int firstLine) {
    OwnListParse out;
    int number = firstLine;
    Seen seen;
    for (std::string_view line : splitLines(utf8)) takeLine(line, number++, out, seen);
    return out;
}

OwnListParse parseOwnListFile(std::string_view bytes) {
    if (bytes.empty()) return {};
    const std::optional<DecodedText> text = decodeText(bytes);
    if (!text) {
        OwnListParse out;
        out.notText = true;
        return out;
    }
    std::string_view content = text->utf8;
    const size_t end = content.find('\n');
    const std::string_view titleLine = content.substr(0, end);
    OwnListParse out =
        end == std::string_view::npos ? OwnListParse{} : parseOwnWords(content.substr(end + 1), 2);
    out.list.title = cleanTitle(titleLine);
    return out;
}

std::string ownListFileText(const OwnList& list) {
    std::string text = cleanTitle(list.title) + "\n";
    for (const std::string& word : list.words) text += cp1251ToUtf8(word) + "\n";
    return text;
}

std::string describeProblem(const OwnWordProblem& problem) {
    std::string line = "Строка " + std::to_string(problem.line) + ": «" + problem.word + "» - ";
    switch (problem.reason) {
    case OwnWordProblem::Reason::NotRussian: return line + "в слове не только русские буквы";
    case OwnWordProblem::Reason::TooShort:
        return line + "слово короче " + std::to_string(kOwnWordMinLetters) + " букв";
    case OwnWordProblem::Reason::TooLong:
        return line + "слово длиннее " + std::to_string(kOwnWordMaxLetters) + " букв";
    case OwnWordProblem::Reason::Repeated: return line + "это слово уже есть в списке";
    }
    return line;
}

std::string ownListRefusal(const OwnListParse& parse, size_t limit) {
    if (parse.problems.empty()) return parse.list.words.empty() ? "В списке нет ни одного слова." : "";
    std::string text = "Слова должны быть из " + std::to_string(kOwnWordMinLetters) + ".." +
                       std::to_string(kOwnWordMaxLetters) + " русских букв, каждое один раз:";
    const size_t shown = std::min(limit, parse.problems.size());
    for (size_t i = 0; i < shown; ++i) text += "\n" + describeProblem(parse.problems[i]);
    if (parse.problems.size() > shown)
        text += "\n... и ещё " + std::to_string(parse.problems.size() - shown);
    return text;
}

} // namespace smek
