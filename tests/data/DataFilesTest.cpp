// Checks every shipped word file, dictionary file and help page as the
// programs will read them: CP1251 bytes, CR LF lines, a count first.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kData = DATA_SOURCE_DIR;

constexpr unsigned char kYo = 0xA8;  // Ё in CP1251
constexpr unsigned char kYe = 0xC5;  // Е in CP1251

bool isCapital(unsigned char c) { return c == kYo || (c >= 0xC0 && c <= 0xDF); }

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct WordFile {
    fs::path path;
    int length = 0;            // from the extension
    std::vector<std::string> words;
};

// Parses "N CR LF word CR LF ..." strictly; reports each fault once.
WordFile readWordFile(const fs::path& p) {
    WordFile f;
    f.path = p;
    f.length = std::stoi(p.extension().string().substr(1));
    const std::string text = readAll(p);
    SCOPED_TRACE(p.string());
    EXPECT_FALSE(text.empty());
    if (text.empty()) return f;
    EXPECT_EQ(text.substr(text.size() - std::min<size_t>(2, text.size())), "\r\n")
        << "last line must end with CR LF";

    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t cr = text.find("\r\n", pos);
        if (cr == std::string::npos) cr = text.size();
        lines.push_back(text.substr(pos, cr - pos));
        pos = cr + 2;
    }
    for (const auto& l : lines) {
        EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos) << "stray CR or LF";
    }
    const std::string& head = lines.front();
    const bool number = !head.empty() && head.size() < 9 &&
                        std::all_of(head.begin(), head.end(), [](char c) { return c >= '0' && c <= '9'; });
    EXPECT_TRUE(number) << "count line: " << head;
    if (!number) return f;
    const size_t count = std::stoul(head);
    EXPECT_EQ(count, lines.size() - 1) << "count does not match the words";
    f.words.assign(lines.begin() + 1, lines.end());
    for (const auto& w : f.words) {
        EXPECT_EQ(static_cast<int>(w.size()), f.length) << "word of wrong length";
        EXPECT_TRUE(std::all_of(w.begin(), w.end(), [](char c) { return isCapital(static_cast<unsigned char>(c)); }))
            << "not a CP1251 Russian capital in a word of line " << (&w - f.words.data()) + 2;
    }
    std::set<std::string> unique(f.words.begin(), f.words.end());
    EXPECT_EQ(unique.size(), f.words.size()) << "duplicate word";
    return f;
}

bool isNumberExtension(const fs::path& p) {
    const std::string e = p.extension().string();
    return e.size() > 1 && std::all_of(e.begin() + 1, e.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<WordFile> readFolder(const fs::path& dir) {
    std::vector<WordFile> out;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.is_regular_file() && isNumberExtension(e.path())) out.push_back(readWordFile(e.path()));
    }
    return out;
}

std::string yoToYe(std::string w) {
    std::replace(w.begin(), w.end(), static_cast<char>(kYo), static_cast<char>(kYe));
    return w;
}

bool hasYo(const std::string& w) { return w.find(static_cast<char>(kYo)) != std::string::npos; }

const std::map<int, size_t> kMinimum = {
    {3, 100},  {4, 300},  {5, 300},  {6, 300},  {7, 300},  {8, 300},  {9, 300}, {10, 300}, {11, 300},
    {12, 200}, {13, 100}, {14, 50},  {15, 30},  {16, 10},  {17, 10},  {18, 10}, {19, 10}};

void checkWordDatabase(const fs::path& dir) {
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    std::map<int, size_t> perLength;
    for (const auto& f : readFolder(dir)) perLength[f.length] += f.words.size();
    for (const auto& [len, min] : kMinimum) {
        EXPECT_GE(perLength[len], min) << dir << ": too few words of length " << len;
    }
    for (const auto& [len, n] : perLength) {
        EXPECT_TRUE(kMinimum.count(len)) << dir << ": a file of length " << len << " the games never use";
    }
}

TEST(WordDatabase, WordSearchFilesAreWellFormedAndLargeEnough) {
    checkWordDatabase(kData / "slovolov");
}

TEST(WordDatabase, ComposeFilesAreWellFormedAndLargeEnough) {
    checkWordDatabase(kData / "bukvoklad");
}

TEST(WordDatabase, WordSearchKeepsYoWhereTheWordHasIt) {
    // The word search shows Ё; losing it everywhere would be a generator fault.
    // Nor may one word appear in both spellings (ОСЕЛ beside ОСЁЛ).
    size_t withYo = 0;
    for (const auto& f : readFolder(kData / "slovolov")) {
        withYo += std::count_if(f.words.begin(), f.words.end(), hasYo);
        std::set<std::string> plain;
        for (const auto& w : f.words) EXPECT_TRUE(plain.insert(yoToYe(w)).second) << f.path << ": Е/Ё twins";
    }
    EXPECT_GT(withYo, 0u);
}

TEST(WordDatabase, ComposeAnswersAreUnambiguous) {
    // Players type Е for Ё, and any other arrangement of the letters that is
    // itself a listed word would be refused although it is a real word.
    // The board shows Ё where the word has it (КОВЁР), so the lists keep it.
    std::map<int, std::map<std::string, std::vector<std::string>>> byLetters;
    size_t withYo = 0;
    for (const auto& f : readFolder(kData / "bukvoklad")) {
        withYo += std::count_if(f.words.begin(), f.words.end(), hasYo);
        for (const auto& w : f.words) {
            std::string key = yoToYe(w);
            std::sort(key.begin(), key.end());
            byLetters[f.length][key].push_back(w);
        }
    }
    for (const auto& [len, groups] : byLetters)
        for (const auto& [key, words] : groups) EXPECT_EQ(words.size(), 1u) << "anagrams of length " << len;
    EXPECT_GT(withYo, 0u);
}

// First letter of a dictionary file name ("К.5", UTF-8 on disk) in CP1251.
int nameLetter(const std::string& name) {
    if (name.size() < 2) return -1;
    const unsigned char a = name[0], b = name[1];
    if ((a & 0xE0) != 0xC0 || (b & 0xC0) != 0x80) return -1;
    const int cp = ((a & 0x1F) << 6) | (b & 0x3F);
    if (cp >= 0x410 && cp <= 0x42F) return 0xC0 + (cp - 0x410);
    if (cp == 0x401) return kYo;
    return -1;
}

TEST(Dictionary, FilesAreNamedByFirstLetterAndLength) {
    const fs::path dir = kData / "slovoset";
    ASSERT_TRUE(fs::is_directory(dir));
    size_t total = 0;
    std::set<std::string> all;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        SCOPED_TRACE(name);
        ASSERT_TRUE(isNumberExtension(e.path())) << "only dictionary files belong here";
        const int letter = nameLetter(name);
        ASSERT_NE(letter, -1) << "name must start with one Russian capital";
        EXPECT_EQ(e.path().stem().string().size(), 2u) << "name is one letter, a dot and the length";
        EXPECT_NE(letter, kYo) << "the dictionary spells Ё as Е";
        const WordFile f = readWordFile(e.path());
        EXPECT_GE(f.length, 3) << "1- and 2-letter hits would cut the search short";
        EXPECT_FALSE(f.words.empty());
        for (const auto& w : f.words) {
            EXPECT_EQ(static_cast<unsigned char>(w[0]), letter) << "word in the wrong letter's file";
            EXPECT_FALSE(hasYo(w)) << "the dictionary spells Ё as Е";
            EXPECT_TRUE(all.insert(w).second) << "word in two files";
        }
        total += f.words.size();
    }
    EXPECT_GE(total, 3000u);
}

// Help pages are read by the help window as CP1251 HTML.
class HelpPage : public ::testing::TestWithParam<const char*> {};

TEST_P(HelpPage, IsCp1251HtmlWithTitleAndEnoughText) {
    const fs::path p = kData / "help" / GetParam();
    ASSERT_TRUE(fs::is_regular_file(p)) << p;
    const std::string page = readAll(p);
    EXPECT_NE(page.find("charset=windows-1251"), std::string::npos);
    EXPECT_NE(page.find("http-equiv=\"Content-Type\""), std::string::npos);
    const size_t t0 = page.find("<title>"), t1 = page.find("</title>");
    ASSERT_NE(t0, std::string::npos);
    ASSERT_NE(t1, std::string::npos);
    EXPECT_GT(t1, t0 + 7) << "empty title";
    // 0x98 is the one byte CP1251 leaves undefined; UTF-8 text would show
    // up as many D0/D1 lead bytes followed by 0x80..0xBF.
    EXPECT_EQ(page.find('\x98'), std::string::npos);
    size_t utf8Pairs = 0;
    for (size_t i = 0; i + 1 < page.size(); ++i) {
        const unsigned char a = page[i], b = page[i + 1];
        if ((a == 0xD0 || a == 0xD1) && b >= 0x80 && b <= 0xBF) ++utf8Pairs;
    }
    EXPECT_LT(utf8Pairs, 20u) << "page looks UTF-8 encoded";
    for (const char* bad : {"<script", "src=\"http", "href=\"http"})
        EXPECT_EQ(page.find(bad), std::string::npos) << bad;

    // Count words of Russian text outside the tags.
    size_t words = 0;
    bool inTag = false, inWord = false;
    for (unsigned char c : page) {
        if (c == '<') inTag = true;
        const bool russian = !inTag && (c >= 0xC0 || c == kYo || c == 0xB8);
        if (russian && !inWord) ++words;
        inWord = russian;
        if (c == '>') inTag = false;
    }
    EXPECT_GE(words, 300u);
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, HelpPage,
                         ::testing::Values("Словолов.htm", "Словосеть.htm", "Буквоклад.htm"));

}  // namespace
