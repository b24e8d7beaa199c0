#include "WebPage.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/web/Sha256.h"
#include "common/web/WebPage.h"

#include <cstdlib>
#include <vector>

namespace smek::slovolov {

namespace {

// The board row by row, one letter a cell. A game opened from a file may
// hold empty cells (words found, fillers cleared by giving up): the words'
// letters go back from the list, and a cleared filler gets a letter drawn
// from the board itself, so the page is a whole puzzle, the same every time.
std::string boardLetters(const GameState& g) {
    const int n = g.GridMax + 1;
    const std::vector<int>& board = g.dealt.size() == g.cells.size() ? g.dealt : g.cells;
    std::string grid(static_cast<size_t>(n * n), ' ');
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int code = std::abs(board[static_cast<size_t>(x * n + y)]); // fillers are stored negated
            if (code >= 1 && code <= 33) grid[static_cast<size_t>(y * n + x)] = smek::letterAt(code);
        }
    for (size_t i = 0; i < g.Slova.size() && i < g.Recs.size(); ++i) {
        const std::vector<Cell> cells = g.wordCells(static_cast<int>(i));
        const std::string& word = g.Slova[i];
        if (word.size() != cells.size()) continue;
        const bool backwards = g.Recs[i][5] == 2; // the walk starts at the word's last letter
        for (size_t k = 0; k < cells.size(); ++k)
            grid[static_cast<size_t>(cells[k].y * n + cells[k].x)] = word[backwards ? word.size() - 1 - k : k];
    }
    const std::string digest = web::sha256Hex(grid);
    for (size_t k = 0; k < grid.size(); ++k)
        if (grid[k] == ' ')
            grid[k] = smek::letterAt(1 + static_cast<int>((digest[k % digest.size()] + k) % 32)); // А..Ю
    return grid;
}

} // namespace

std::string webPage(const GameState& g, int clockSeconds) {
    const int n = g.GridMax + 1;
    const std::string grid = boardLetters(g);
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
