// SPDX-License-Identifier: GPL-3.0-or-later
#include "Batch.h"

#include "common/core/Cp1251.h"


namespace smek::slovoset {
namespace {

constexpr size_t kLongestTitle = 60;

bool endsLikeASentence(const std::string& line) {
    static const std::string kEnds = ".!?,;:";
    return line.ends_with("…") || (!line.empty() && kEnds.find(line.back()) != std::string::npos);
}

// Characters of a UTF-8 line, and whether one of them is a Russian letter.
size_t characters(const std::string& line, bool& hasLetter) {
    size_t count = 0;
    hasLetter = false;
    size_t i = 0;
    while (i < line.size()) {
        char32_t c = 0;
        smek::nextUtf8(line, i, c);
        hasLetter = hasLetter || (c >= 0x0410 && c <= 0x044F) || c == 0x0401 || c == 0x0451;
        ++count;
    }
    return count;
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

TitledText titleOfText(const std::string& text, const std::string& fallback) {
    const size_t end = text.find_first_of("\r\n");
    if (end != std::string::npos) {
        const std::string line = trimmed(text.substr(0, end));
        bool hasLetter = false;
        const size_t length = characters(line, hasLetter);
        const size_t rest = text.find_first_not_of("\r\n \t", end);
        if (hasLetter && length <= kLongestTitle && !endsLikeASentence(line) && rest != std::string::npos) {
            // Back to the start of the line where the text goes on, so its indent stays.
            const size_t lineStart = text.find_last_of("\r\n", rest);
            return {line, text.substr(lineStart + 1)};
        }
    }
    return {fallback, text};
}

std::map<int, int> wordsByLength(const Puzzle& p) {
    std::map<int, int> counts;
    for (int a = 0; a <= p.MaxSpisok; ++a) {
        const SkrytoeSlovo& w = slovoOfLine(p, a);
        if (p.TypGame == 1 && w.Vybrano != 1) continue;
        ++counts[static_cast<int>(w.Slovo.size())];
    }
    return counts;
}

} // namespace smek::slovoset
