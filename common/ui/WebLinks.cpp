#include "WebLinks.h"

#include "../core/Redirect.h"

#include <QCoreApplication>

namespace smek {

void OpURL(Prompts& prompts, const QString& target) {
    prompts.openUrl(target);
}

void SaveFileUrl(Prompts& prompts, const std::string& pathData, const std::string& address) {
    const auto page = writeRedirectPage(pathData, address);
    if (!page) return; // the data folder cannot be written: nothing to open
    QCoreApplication::processEvents();
    OpURL(prompts, QString::fromStdString(page->string()));
}

} // namespace smek
