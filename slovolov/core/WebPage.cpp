// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebPage.h"

#include "PrintSheet.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/web/Sha256.h"
#include "common/web/WebPage.h"

#include <cstdlib>
#include <vector>

namespace smek::slovolov {

namespace {

// The board row by row, one letter a cell, as the printed sheet has it (found
// words' letters back). A game opened from a file may still hold empty cells
// (fillers cleared by giving up): they get letters drawn from the board
// itself, so the page is a whole puzzle, the same every time.
std::string boardLetters(const PrintSheet& sheet) {
    const int n = sheet.GridMax + 1;
    std::string grid(static_cast<size_t>(n * n), ' ');
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (const int code = sheet.letter(x, y); code >= 1 && code <= 33)
                grid[static_cast<size_t>(y * n + x)] = smek::letterAt(code);
    const std::string digest = web::sha256Hex(grid);
    for (size_t k = 0; k < grid.size(); ++k)
        if (grid[k] == ' ')
            grid[k] = smek::letterAt(1 + static_cast<int>((digest[k % digest.size()] + k) % 32)); // А..Ю
    return grid;
}

} // namespace

std::string webPage(const GameState& g, int clockSeconds) {
    const PrintSheet sheet = printSheet(g);
    const std::string grid = boardLetters(sheet);
    const std::string title = sheet.title.empty() ? "Словолов" : sheet.title;
    std::string words;
    std::string identity = "slovolov|" + title + "|" + grid;
    for (size_t i = 0; i < sheet.words.size(); ++i) {
        const PrintSheet::Line& line = sheet.answers[i];
        const std::string ends = "[" + std::to_string(line.first.x) + "," + std::to_string(line.first.y) + "],\"b\":[" +
                                 std::to_string(line.last.x) + "," + std::to_string(line.last.y) + "]";
        if (!words.empty()) words += ',';
        words += "{\"w\":" + web::jsonString(cp1251ToUtf8(sheet.words[i])) + ",\"a\":" + ends + "}";
        identity += "|" + sheet.words[i] + ends;
    }
    identity += "|" + std::to_string(clockSeconds);

    web::PageContent page;
    page.game = web::Game::Slovolov;
    page.title = title;
    page.salt = web::puzzleSalt(identity);
    page.data = "\"size\":" + std::to_string(sheet.GridMax + 1) + ",\"grid\":" + web::jsonString(cp1251ToUtf8(grid)) +
                ",\"rule\":" + web::jsonString(ruleText(sheet)) +
                ",\"clock\":" + std::to_string(clockSeconds > 0 ? clockSeconds : 0) + ",\"words\":[" + words + "]";
    return web::writePage(page);
}

} // namespace smek::slovolov
