// SPDX-License-Identifier: GPL-3.0-or-later
#include "UndecodableNames.h"

#include "Text.h"
#include "common/core/Cp1251.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

namespace smek {

std::vector<std::string> undecodableFiles(const std::string& folder, const QStringList& patterns) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (toPath(fromUtf8(name)) == name) continue; // valid UTF-8: Qt lists it
        const std::string path = folder + "/" + name;
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        const bool matches = std::any_of(patterns.begin(), patterns.end(), [&](const QString& pattern) {
            return ::fnmatch(pattern.toStdString().c_str(), name.c_str(), FNM_PERIOD) == 0;
        });
        if (matches) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

QStringList filterPatterns(const QString& nameFilter) {
    static const QRegularExpression inParentheses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = inParentheses.match(nameFilter);
    const QString patterns = match.hasMatch() ? match.captured(1) : nameFilter;
    return patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void addUndecodableNames(QFileDialog& dialog, QString* chosen) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return; // a native dialog: nothing to add to
    auto* caption = new QLabel(QStringLiteral("Файлы с именами в другой кодировке:"), &dialog);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("undecodableNames"));
    list->setMaximumHeight(90);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0, 1, grid->columnCount());
    grid->addWidget(list, row + 1, 0, 1, grid->columnCount());

    const auto refill = [&dialog, list, caption] {
        list->clear();
        const std::string folder = toPath(dialog.directory().absolutePath());
        for (const std::string& name : undecodableFiles(folder, filterPatterns(dialog.selectedNameFilter()))) {
            // Shown as CP1251, the likeliest origin; the item keeps the bytes.
            auto* item = new QListWidgetItem(fromUtf8(cp1251ToUtf8(name)), list);
            item->setData(Qt::UserRole, fromPath(folder + "/" + name));
        }
        caption->setVisible(list->count() > 0);
        list->setVisible(list->count() > 0);
    };
    QObject::connect(&dialog, &QFileDialog::directoryEntered, list, refill);
    QObject::connect(&dialog, &QFileDialog::filterSelected, list, refill);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, [&dialog, chosen](QListWidgetItem* item) {
        *chosen = item->data(Qt::UserRole).toString();
        static_cast<QDialog&>(dialog).done(QDialog::Accepted);
    });
    refill();
}

} // namespace smek
