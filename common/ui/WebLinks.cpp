#include "WebLinks.h"

#include "../core/Redirect.h"

#include <QCoreApplication>

namespace smek {

void OpURL(Prompts& prompts, const QString& target) {
    if (!prompts.openUrl(target))
        prompts.error(QStringLiteral("Не удалось открыть в браузере:\n") + target);
}

void SaveFileUrl(Prompts& prompts, const std::string& pathData, const std::string& address) {
    const auto page = writeRedirectPage(pathData, address);
    if (!page) return; // the data folder cannot be written: nothing to open
    QCoreApplication::processEvents();
    OpURL(prompts, QString::fromStdString(page->string()));
}

} // namespace smek
