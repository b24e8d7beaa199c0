// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Статистика" window of all three programs: the player's counts, read
// from the program's StatisticsBook, and a button that starts them afresh.
#include "Prompts.h"
#include "common/core/Statistics.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace smek {

// Which rows a program shows: only what its games can do.
struct StatistikaRows {
    bool lostOnTime = true;  // games with a clock
    bool levelTimes = false; // the word-search levels
    QString givenUp = QStringLiteral("Сдались:");
    QString hints;           // the hints row's caption; none when empty
};

class frmStatistika : public QDialog {
    Q_OBJECT
public:
    frmStatistika(QWidget* parent, Prompts& prompts, StatisticsBook& book, StatistikaRows rows);

    // Asks first; a reset cannot be undone.
    void kReset_Click();
    // The rows as shown, "caption value" each; for tests and for reading aloud.
    QStringList rowTexts() const;

    QPushButton* kReset = nullptr;
    QPushButton* kOK = nullptr;
    QLabel* lblSetAside = nullptr; // says where a damaged file went

private:
    void fill();
    void row(const QString& caption, const QString& value);

    Prompts& prompts_;
    StatisticsBook& book_;
    StatistikaRows rows_;
    QGridLayout* grid_ = nullptr;
    int rowCount_ = 0;
};

} // namespace smek
