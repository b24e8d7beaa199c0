#include "WebLinks.h"

#include "../core/Redirect.h"

#include <QCoreApplication>

namespace smek {

bool OpURL(Prompts& prompts, const QString& target) {
    return prompts.openUrl(target);
}

void SaveFileUrl(Prompts& prompts, const Places& places, const std::string& address) {
    if (OpURL(prompts, QString::fromStdString(address))) return;
    // Some desktops open local pages but have nothing registered for web
    // addresses: a page that sends the browser on still gets there.
    const auto folder = privateFolder(places.pages, places.temp);
    if (!folder) return;
    const auto page = writeRedirectPage(folder->string() + "/", address);
    if (!page) return;
    QCoreApplication::processEvents();
    OpURL(prompts, QString::fromStdString(page->string()));
}

} // namespace smek
