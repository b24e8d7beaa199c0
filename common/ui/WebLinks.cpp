// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebLinks.h"

#include "../core/Redirect.h"

#include <QCoreApplication>

namespace smek {

namespace {
void tellNotOpened(Prompts& prompts, const QString& target) {
    prompts.error(QStringLiteral("Не удалось открыть в браузере:\n") + target);
}
} // namespace

bool OpURL(Prompts& prompts, const QString& target) {
    if (prompts.openUrl(target)) return true;
    tellNotOpened(prompts, target);
    return false;
}

void SaveFileUrl(Prompts& prompts, const Places& places, const std::string& address) {
    const QString web = QString::fromStdString(address);
    if (prompts.openUrl(web)) return;
    // Some desktops open local pages but have nothing registered for web
    // addresses: a page that sends the browser on still gets there.
    if (const auto folder = privateFolder(places.pages, places.temp)) {
        if (const auto page = writeRedirectPage(folder->string() + "/", address)) {
            QCoreApplication::processEvents();
            if (prompts.openUrl(QString::fromStdString(page->string()))) return;
        }
    }
    // The player asked for the address: that is what could not be opened.
    tellNotOpened(prompts, web);
}

} // namespace smek
