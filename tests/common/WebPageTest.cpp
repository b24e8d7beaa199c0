// SPDX-License-Identifier: GPL-3.0-or-later
// The page writer: the hash the pages' script must match, the escaping of
// what a page shows, and the security policy naming exactly its own script
// and style.
#include "common/core/Cp1251.h"
#include "common/web/Sha256.h"
#include "common/web/WebPage.h"

#include <gtest/gtest.h>
#include <regex>

namespace smek::web {
namespace {

TEST(Sha256, KnownDigestsAcrossThePaddingBoundaries) {
    // 55 bytes end in one block with the length; 56 and 64 need a second.
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    };
    for (const auto& [input, digest] : cases) EXPECT_EQ(sha256Hex(input), digest) << input.size() << " bytes";
}

TEST(Sha256, Base64OfEveryTailLength) {
    const auto b64 = [](std::string_view s) { return base64(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()); };
    EXPECT_EQ(b64(""), "");
    EXPECT_EQ(b64("f"), "Zg==");
    EXPECT_EQ(b64("fo"), "Zm8=");
    EXPECT_EQ(b64("foo"), "Zm9v");
    EXPECT_EQ(b64("\xff\xfe\xfd\xfc"), "//79/A==");
}

TEST(AnswerHash, EForYoAndThePositionCount) {
    const std::string salt = "0123456789abcdef";
    // The same value the page's script computes (the browser checks compare them).
    EXPECT_EQ(answerHash(salt, 42, w1251("ПРИВЕТ")), "e9999a8692ca1527");
    EXPECT_EQ(answerHash(salt, 5, w1251("ЁЖ")), answerHash(salt, 5, w1251("ЕЖ")));
    EXPECT_NE(answerHash(salt, 5, w1251("ЕЖ")), answerHash(salt, 6, w1251("ЕЖ")));
    EXPECT_NE(answerHash(salt, 5, w1251("ЕЖ")), answerHash("fedcba9876543210", 5, w1251("ЕЖ")));
    EXPECT_EQ(answerForm(w1251("ЁЛКА")), "ЕЛКА");
    EXPECT_NE(puzzleSalt("a"), puzzleSalt("b"));
    EXPECT_EQ(puzzleSalt("a").size(), 16u);
}

TEST(JsonString, NothingEndsTheScriptEarly) {
    EXPECT_EQ(jsonString("Ёж"), "\"Ёж\"");
    EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(jsonString("1\n2\t3\r\x01"), "\"1\\n2\\t3\\r\\u0001\"");
    EXPECT_EQ(jsonString("</script><!--&"), "\"\\u003c/script\\u003e\\u003c!--\\u0026\"");
}

PageContent sample(const std::string& title) {
    PageContent c;
    c.game = Game::Bukvoklad;
    c.title = title;
    c.salt = "0011223344556677";
    c.data = "\"rows\":[]";
    return c;
}

TEST(WritePage, TitleShownAsTextEverywhere) {
    const std::string page = writePage(sample("Лес <b>&</b> \"{{script}}\""));
    EXPECT_NE(page.find("<title>Лес &lt;b&gt;&amp;&lt;/b&gt; \"{{script}}\"</title>"), std::string::npos);
    EXPECT_NE(page.find("<h1>Лес &lt;b&gt;&amp;&lt;/b&gt; \"{{script}}\"</h1>"), std::string::npos);
    EXPECT_NE(page.find("\"title\":\"Лес \\u003cb\\u003e\\u0026\\u003c/b\\u003e \\\"{{script}}\\\"\""), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("<html lang=\"ru\">"), std::string::npos);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
}

TEST(WritePage, PolicyAllowsOnlyItsOwnScriptAndStyle) {
    const std::string page = writePage(sample("Т"));
    std::smatch m;
    ASSERT_TRUE(std::regex_search(page, m, std::regex("script-src '(sha256-[^']+)'; style-src '(sha256-[^']+)'")));
    const auto source = [](const std::string& text) {
        const auto d = sha256(text);
        return "sha256-" + base64(d.data(), d.size());
    };
    const size_t style = page.find("<style>") + 7, styleEnd = page.find("</style>");
    const size_t script = page.rfind("<script>") + 8, scriptEnd = page.rfind("</script>");
    EXPECT_EQ(m[1].str(), source(page.substr(script, scriptEnd - script)));
    EXPECT_EQ(m[2].str(), source(page.substr(style, styleEnd - style)));
    EXPECT_NE(page.find("default-src 'none'"), std::string::npos);
    EXPECT_EQ(page.find("unsafe-inline"), std::string::npos);
    // Exactly one script runs; the data block is not script.
    EXPECT_EQ(std::regex_search(page, std::regex("<script [^t]")), false);
    EXPECT_EQ(page.find("{{"), std::string::npos);
    EXPECT_EQ(page.find("://"), std::string::npos) << "nothing points out of the page";
}

} // namespace
} // namespace smek::web
