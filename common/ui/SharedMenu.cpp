// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharedMenu.h"

#include "Prompts.h"
#include "frmOprog.h"
#include "frmWeb.h"

#include <QMenu>
#include <QMenuBar>

namespace smek {

QAction* addStatistikaEntry(QMenu* menu, QWidget* window, Prompts& prompts, StatisticsBook& book, StatistikaRows rows) {
    return menu->addAction(QStringLiteral("Статистика"), window, [window, &prompts, &book, rows] {
        frmStatistika statistika(window, prompts, book, rows);
        prompts.showModal(statistika);
    });
}

QAction* addExitEntry(QMenu* menu, QWidget* window) {
    menu->addSeparator();
    return menu->addAction(QStringLiteral("Выход"), window, &QWidget::close);
}

HelpMenu addHelpMenu(QMenuBar* bar, QWidget* window, Prompts& prompts, const Places& places, const QString& helpPage,
                     const QString& helpCaption) {
    QMenu* help = bar->addMenu(QStringLiteral("Справка"));
    HelpMenu entries;
    entries.callHelp = help->addAction(QStringLiteral("Вызов справки"), window, [window, &prompts, helpPage, helpCaption] {
        frmWeb web(window, prompts, helpPage, helpCaption);
        prompts.showModal(web);
    });
    entries.callHelp->setShortcut(QKeySequence(Qt::Key_F1));
    entries.about = help->addAction(QStringLiteral("О программе"), window, [window, &prompts, &places, helpPage] {
        frmOprog about(window, prompts, places, helpPage);
        prompts.showModal(about);
    });
    return entries;
}

} // namespace smek
