// SPDX-License-Identifier: GPL-3.0-or-later
// The page to play a created puzzle in a browser: the text as written, cut
// so each word is whole pieces; each word only as its hash at its position.
#include "SlovosetTestSupport.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/WebPage.h"

#include "common/core/Alphabet.h"
#include "common/web/WebPage.h"

#include <gtest/gtest.h>
#include <regex>

namespace smek::slovoset::test {
namespace {

// The JSON strings of a page's array member, unescaped only as far as these
// texts need.
std::vector<std::string> stringsOf(const std::string& page, const std::string& member) {
    // Read by hand: a regular expression over a long text recurses past the
    // stack of a sanitized build.
    std::vector<std::string> out;
    const std::string key = "\"" + member + "\":[";
    size_t i = page.find(key);
    EXPECT_NE(i, std::string::npos) << member;
    if (i == std::string::npos) return out;
    for (i += key.size(); i < page.size() && page[i] != ']'; ++i) {
        if (page[i] != '"') continue;
        std::string s;
        for (++i; i < page.size() && page[i] != '"'; ++i) {
            if (page[i] == '\\' && i + 1 < page.size()) s += page[i++];
            s += page[i];
        }
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"\\n", "\n"}, {"\\u003c", "<"}, {"\\u003e", ">"}})
            for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at)) s.replace(at, from.size(), to);
        out.push_back(s);
    }
    return out;
}

TEST(WebPage, EachWordIsWholePiecesOfTheTextAndOnlyItsHash) {
    Analysed a = analyse("Кот он и кит.\nЁж и кал <b>", {"ТОН", "ЕЖИК", "ОНИ"}, 1);
    const std::string page = webPage(a.p, w("Лес <и>"));
    const std::vector<std::string> pieces = stringsOf(page, "segments");
    std::string joined;
    for (const std::string& s : pieces) joined += s;
    EXPECT_EQ(joined, "Кот он и кит.\nЁж и кал <b>") << "the text as written, line breaks and all";

    std::smatch salt;
    ASSERT_TRUE(std::regex_search(page, salt, std::regex("\"salt\":\"([0-9a-f]{16})\"")));
    const std::vector<const SkrytoeSlovo*> words = hintWords(a.p);
    ASSERT_EQ(words.size(), 3u);
    std::regex entry("\\{\"h\":\"([0-9a-f]{16})\",\"p\":(\\d+),\"s\":(\\d+),\"e\":(\\d+),\"n\":\"([^\"]*)\"\\}");
    size_t k = 0;
    for (std::sregex_iterator i(page.begin(), page.end(), entry), end; i != end; ++i, ++k) {
        ASSERT_LT(k, words.size());
        const SkrytoeSlovo& word = *words[k];
        EXPECT_EQ((*i)[1].str(), web::answerHash(salt[1].str(), word.Nachalo, word.Slovo));
        EXPECT_EQ(std::stoi((*i)[2].str()), word.Nachalo);
        // The pieces from s to e hold exactly the word's letters.
        std::string letters;
        for (int s = std::stoi((*i)[3].str()); s < std::stoi((*i)[4].str()); ++s)
            for (char c : w(pieces[static_cast<size_t>(s)]))
                if (isRussianLetter(c)) letters += c;
        std::string spelled = smek::toUpperRu(letters);
        for (char& c : spelled)
            if (c == '\xA8') c = '\xC5'; // the text's Ё is the word's Е
        EXPECT_EQ(u(spelled), u(word.Slovo));
    }
    EXPECT_EQ(k, words.size());
    // Past the text, no word is spelled out.
    const std::string rest = std::regex_replace(page, std::regex("\"segments\":\\[.*?\\],"), "");
    for (const char* word : {"ТОН", "ЕЖИК", "ЁЖИК", "ОНИ"}) EXPECT_EQ(rest.find(word), std::string::npos) << word;
    EXPECT_NE(page.find("<title>Словосеть: Лес &lt;и&gt;</title>"), std::string::npos);
}

TEST(WebPage, SamePuzzleSameBytesAndWithinTheLimit) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Кот он и кит, а ёж и кал. ";
    Analysed a = analyse(text, {"ТОН", "ЕЖИК"}, 1);
    Analysed b = analyse(text, {"ТОН", "ЕЖИК"}, 1);
    const std::string page = webPage(a.p, w("Лес"));
    EXPECT_EQ(page, webPage(b.p, w("Лес")));
    EXPECT_LE(page.size(), web::kMaxPageBytes);
    // Another choice of words is another puzzle, with its own salt and progress.
    b.p.Slova[0].Vybrano = 0;
    EXPECT_NE(stringsOf(page, "segments").size(), 0u);
    std::smatch s1, s2;
    const std::string other = webPage(b.p, w("Лес"));
    std::regex_search(page, s1, std::regex("\"salt\":\"(\\w+)\""));
    std::regex_search(other, s2, std::regex("\"salt\":\"(\\w+)\""));
    EXPECT_NE(s1[1].str(), s2[1].str());
}

} // namespace
} // namespace smek::slovoset::test
