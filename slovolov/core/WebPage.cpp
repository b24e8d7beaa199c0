#include "WebPage.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/web/WebPage.h"

#include <cstdlib>

namespace smek::slovolov {

std::string webPage(const GameState& g, int clockSeconds) {
    const int n = g.GridMax + 1;
    const std::vector<int>& board = g.dealt.size() == g.cells.size() ? g.dealt : g.cells;
    // Row by row, one letter a cell (fillers are stored negated).
    std::string grid;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int code = std::abs(board[static_cast<size_t>(x * n + y)]);
            grid += code >= 1 && code <= 33 ? smek::alphabet()[static_cast<size_t>(code - 1)] : ' ';
        }
    std::string words;
    std::string identity = "slovolov|" + grid;
    for (size_t i = 0; i < g.Slova.size() && i < g.Recs.size(); ++i) {
        const auto& r = g.Recs[i];
        const std::string coords = "[" + std::to_string(r[0]) + "," + std::to_string(r[1]) + "],\"b\":[" +
                                   std::to_string(r[2]) + "," + std::to_string(r[3]) + "]";
        if (!words.empty()) words += ',';
        words += "{\"w\":" + web::jsonString(cp1251ToUtf8(g.Slova[i])) + ",\"a\":" + coords + "}";
        identity += "|" + g.Slova[i] + coords;
    }
    identity += "|" + std::to_string(clockSeconds);

    web::PageContent page;
    page.game = web::Game::Slovolov;
    page.title = "Словолов";
    page.salt = web::puzzleSalt(identity);
    page.data = "\"size\":" + std::to_string(n) + ",\"grid\":" + web::jsonString(cp1251ToUtf8(grid)) +
                ",\"clock\":" + std::to_string(clockSeconds > 0 ? clockSeconds : 0) + ",\"words\":[" + words + "]";
    return web::writePage(page);
}

} // namespace smek::slovolov
