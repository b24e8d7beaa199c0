// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu entries the three programs share: "Статистика", "Выход" and the
// "Справка" menu, each with what it opens.
#include "frmStatistika.h"

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace smek {

class Prompts;
class StatisticsBook;
struct Places;

// "Статистика": the statistics window with the rows of this program's games.
QAction* addStatistikaEntry(QMenu* menu, QWidget* window, Prompts& prompts, StatisticsBook& book, StatistikaRows rows);
// A separator and "Выход", which closes the window.
QAction* addExitEntry(QMenu* menu, QWidget* window);

struct HelpMenu {
    QAction* callHelp = nullptr; // "Вызов справки" (F1): the help page in the help window
    QAction* about = nullptr;    // "О программе"
};
// helpCaption: a fixed caption for the help window; empty, it follows the page's title.
HelpMenu addHelpMenu(QMenuBar* bar, QWidget* window, Prompts& prompts, const Places& places, const QString& helpPage,
                     const QString& helpCaption = QString());

} // namespace smek
