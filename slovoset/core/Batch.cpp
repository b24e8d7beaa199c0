#include "Batch.h"

#include "common/core/Alphabet.h"

#include <algorithm>

namespace smek::slovoset {
namespace {

constexpr size_t kLongestTitle = 60;

bool endsLikeASentence(const std::string& line) {
    static const std::string kEnds = ".!?,;:\x85"; // \x85: "…" in CP1251
    return !line.empty() && kEnds.find(line.back()) != std::string::npos;
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
        const bool hasLetter = std::any_of(line.begin(), line.end(), [](char c) { return smek::isRussianCapital(smek::toUpperRu(c)); });
        const size_t rest = text.find_first_not_of("\r\n \t", end);
        if (hasLetter && line.size() <= kLongestTitle && !endsLikeASentence(line) && rest != std::string::npos) {
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
