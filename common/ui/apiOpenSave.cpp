// SPDX-License-Identifier: GPL-3.0-or-later
#include "apiOpenSave.h"

#include "Text.h"
#include "common/core/FileMessages.h"
#include "common/core/DialogFolders.h"

namespace smek {
namespace {

QString nameFilter(const FilterPair& pair) {
    // "*.*" would hide files without a dot here; all files is "*" on this platform.
    QString description = pair.description;
    QString patterns = pair.pattern;
    if (patterns == QStringLiteral("*.*")) {
        patterns = QStringLiteral("*");
        description.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    }
    const QString suffix = QStringLiteral("(") + QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                           QStringLiteral(")");
    // Qt reads the patterns from the parentheses; a description that already
    // shows them is used as it is.
    return description.endsWith(suffix) ? description : description + QLatin1Char(' ') + suffix;
}

} // namespace

QString apiOpenSave(Prompts& prompts, int mode, const QString& proposedName, const QList<FilterPair>& filter,
                    const FilterPair& allFiles, const QString& startFolder) {
    Prompts::FileRequest request;
    request.save = mode != 0;
    request.proposedName = proposedName;
    request.startFolder = startFolder;
    for (const FilterPair& pair : filter) request.filters << nameFilter(pair);
    request.filters << nameFilter(allFiles);
    const QString chosen = prompts.fileDialog(request);
    if (chosen.size() > kMaxPathChars) {
        // Not a cancel: the player must know that nothing was opened or saved.
        const FileTail tail = request.save ? FileTail::CannotSave : FileTail::CannotOpen;
        prompts.error(fromUtf8(fileMessage(toPath(chosen), tail)) +
                      QStringLiteral("\r\nПуть к файлу длиннее %1 знаков.").arg(kMaxPathChars));
        return {};
    }
    return chosen;
}

QString askFileName(Prompts& prompts, const Places& places, const std::string& kind, int mode,
                    const QString& proposedName, const QList<FilterPair>& filter, const FilterPair& allFiles) {
    const std::filesystem::path remembered = std::filesystem::path(places.own) / kFoldersFile;
    const std::filesystem::path start = startFolder(remembered, kind, places.documents, places.home);
    const QString chosen =
        apiOpenSave(prompts, mode, proposedName, filter, allFiles, QString::fromStdString(start.string()));
    if (!chosen.isEmpty()) rememberFolder(remembered, kind, toPath(chosen));
    return chosen;
}

AskReplace replaceQuestion(Prompts& prompts) {
    return [&prompts](const std::string& question) {
        return prompts.question(fromUtf8(question), Prompts::Icon::Warning, true);
    };
}

} // namespace smek
