// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Тема" menu of the word-search and compose-a-word games: "Все слова"
// (the designed databases) or one of the themes of the data folder. The
// choice applies from the next game and is kept per user in a file of its own.
#include "common/core/Themes.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <filesystem>
#include <functional>
#include <string>

namespace smek {

class ThemeMenu : public QObject {
    Q_OBJECT
public:
    // Inserts the menu before the menu bar's last menu (the help menu).
    ThemeMenu(QMenuBar* bar, std::string pathData, QObject* parent);

    // Reads the player's choice from the file and writes later choices there.
    // Without a file the choice lives only for the run.
    void setChoiceFile(std::filesystem::path file);
    // The chosen theme; empty for all words.
    const std::string& theme() const { return theme_; }
    // As the player's click on the theme's entry ("" = "Все слова").
    void choose(const std::string& theme);
    // All words for the rest of the run, after a theme's file could not be
    // used; the kept choice stays, for a start after the file is mended.
    void forgetForRun();
    // Deals a game in the chosen theme, which `theme` is set to. A theme's
    // file that cannot be used never locks the game out: `report` shows its
    // message, then the game is dealt again from all words, as is every game
    // for the rest of the run.
    template <class Result>
    Result deal(std::string& theme, const std::function<Result()>& dealGame,
                const std::function<void(const Result&)>& report) {
        theme = theme_;
        Result result = dealGame();
        if (result.status != Result::Status::Ok && isThemeFile(pathData_, theme, result.file)) {
            report(result);
            forgetForRun();
            theme.clear();
            result = dealGame();
        }
        return result;
    }
    // Called after every choice.
    std::function<void(const std::string&)> onChosen;

    QMenu* menu = nullptr;
    QAction* allWords = nullptr;
    QList<QAction*> themeActions;

private:
    void check();

    std::string pathData_;
    std::filesystem::path file_;
    std::string theme_;
};

} // namespace smek
