// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveWebPage.h"

#include "Text.h"
#include "apiOpenSave.h"
#include "common/core/SaveOpen.h"

namespace smek {

QString saveWebPageCaption() { return QStringLiteral("Сохранить как веб-страницу…"); }

QString saveWebPage(Prompts& prompts, const Places& places, const QString& proposedName,
                    const std::function<std::string()>& page) {
    const QString name = askFileName(prompts, places, "html", -1, proposedName,
                                     {{QStringLiteral("Веб-страницы (*.html)"), QStringLiteral("*.html")}},
                                     {QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")});
    if (name.isEmpty()) return {};
    const std::string path = withExtension(toPath(name), ".html");
    const SaveOutcome outcome = saveFile(path, page(), true, replaceQuestion(prompts));
    if (outcome.kind == SaveOutcome::Kind::Failed) prompts.error(fromUtf8(outcome.message));
    if (outcome.kind != SaveOutcome::Kind::Saved) return {};
    return fromPath(path);
}

} // namespace smek
