// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeMenu.h"

#include "common/core/Themes.h"

#include <QActionGroup>

namespace smek {

ThemeMenu::ThemeMenu(QMenuBar* bar, std::string pathData, QObject* parent)
    : QObject(parent), pathData_(std::move(pathData)) {
    menu = new QMenu(QStringLiteral("Тема"), bar);
    const QList<QAction*> menus = bar->actions();
    if (menus.isEmpty()) bar->addMenu(menu);
    else bar->insertMenu(menus.last(), menu);

    auto* group = new QActionGroup(menu);
    allWords = menu->addAction(QStringLiteral("Все слова"));
    allWords->setCheckable(true);
    group->addAction(allWords);
    connect(allWords, &QAction::triggered, this, [this] { choose({}); });
    const std::vector<std::string> themes = listThemes(pathData_);
    if (!themes.empty()) menu->addSeparator();
    for (const std::string& theme : themes) {
        QAction* action = menu->addAction(QString::fromStdString(theme));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, theme] { choose(theme); });
        themeActions.append(action);
    }
    check();
}

void ThemeMenu::setChoiceFile(std::filesystem::path file) {
    file_ = std::move(file);
    theme_ = readThemeChoice(file_, pathData_);
    check();
}

void ThemeMenu::choose(const std::string& theme) {
    theme_ = theme;
    check();
    // A choice that cannot be kept still holds for this run; nothing to report.
    if (!file_.empty()) writeThemeChoice(file_, theme_);
    if (onChosen) onChosen(theme_);
}

void ThemeMenu::forgetForRun() {
    theme_.clear();
    check();
}

void ThemeMenu::check() {
    allWords->setChecked(theme_.empty());
    for (QAction* action : themeActions) action->setChecked(action->text().toStdString() == theme_);
}

} // namespace smek
