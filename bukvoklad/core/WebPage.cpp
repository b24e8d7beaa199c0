// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebPage.h"

#include "common/core/Cp1251.h"
#include "common/web/WebPage.h"

namespace smek::bukvoklad {

std::string webPage(const Worksheet& sheet) {
    std::string identity = "bukvoklad|" + sheet.title;
    for (const WorksheetItem& item : sheet.items) identity += "|" + item.word + ":" + item.letters;
    const std::string salt = web::puzzleSalt(identity);
    std::string rows;
    int row = 0;
    for (const WorksheetItem& item : sheet.items) {
        if (!rows.empty()) rows += ',';
        rows += "{\"l\":" + web::jsonString(cp1251ToUtf8(item.letters)) + ",\"h\":\"" +
                web::answerHash(salt, ++row, item.word) + "\"}";
    }
    web::PageContent page;
    page.game = web::Game::Bukvoklad;
    // An own list's title heads its sheet, as on paper.
    page.title = sheet.title.empty() ? "Буквоклад: составьте из букв слова" : sheet.title;
    page.salt = salt;
    page.data = "\"rows\":[" + rows + "]";
    return web::writePage(page);
}

} // namespace smek::bukvoklad
