// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Начатая игра будет потеряна. Продолжить?" before a command (opening a
// game, a new level, closing the window) would throw away a game in progress.
// No is the default answer. The player can switch the question off with a
// check entry of the menu; that choice is kept per user in a file of its own.
#include "Prompts.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <filesystem>

namespace smek {

class LoseGameQuestion : public QObject {
    Q_OBJECT
public:
    // Adds the check entry to menu. file: where "off" is kept; empty for a
    // choice that lives only for the run.
    LoseGameQuestion(QMenu* menu, Prompts& prompts, std::filesystem::path file, QObject* parent);

    // Whether the command may go on: no game in progress, the question
    // switched off, or Yes.
    bool mayLose(bool gameInProgress);

    QAction* action = nullptr; // "Спрашивать, прежде чем бросить игру"

private:
    Prompts& prompts_;
    std::filesystem::path file_;
};

} // namespace smek
