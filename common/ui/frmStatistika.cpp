// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmStatistika.h"

#include "Geometry.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace smek {
namespace {

QString levelText(const LevelTimes& times) {
    const std::optional<long long> average = averageSeconds(times);
    if (!average) return QStringLiteral("побед ещё нет");
    return QStringLiteral("лучшее %1, среднее %2")
        .arg(QString::fromStdString(durationText(times.bestSeconds)), QString::fromStdString(durationText(*average)));
}

} // namespace

frmStatistika::frmStatistika(QWidget* parent, Prompts& prompts, StatisticsBook& book, StatistikaRows rows)
    : QDialog(parent), prompts_(prompts), book_(book), rows_(std::move(rows)) {
    book_.reload(); // another window of the program may have counted games since
    setWindowTitle(QStringLiteral("Статистика"));
    setFont(sansFont(9.75));
    auto* outer = new QVBoxLayout(this);
    grid_ = new QGridLayout;
    grid_->setHorizontalSpacing(16);
    outer->addLayout(grid_);

    lblSetAside = new QLabel(this);
    lblSetAside->setWordWrap(true);
    lblSetAside->setFont(sansFont(8.25));
    if (!book_.setAsideAs().empty())
        lblSetAside->setText(QStringLiteral("Файл статистики был повреждён; он сохранён как «%1», счёт начат заново.")
                                 .arg(QString::fromStdString(book_.setAsideAs().filename().string())));
    lblSetAside->setVisible(!lblSetAside->text().isEmpty());
    outer->addWidget(lblSetAside);

    auto* buttons = new QHBoxLayout;
    kReset = new QPushButton(QStringLiteral("Сбросить"), this);
    kOK = new QPushButton(QStringLiteral("Закрыть"), this);
    kOK->setDefault(true);
    buttons->addWidget(kReset);
    buttons->addStretch();
    buttons->addWidget(kOK);
    outer->addLayout(buttons);
    connect(kReset, &QPushButton::clicked, this, &frmStatistika::kReset_Click);
    connect(kOK, &QPushButton::clicked, this, &QDialog::accept);

    fill();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmStatistika::row(const QString& caption, const QString& value) {
    auto* c = new QLabel(caption, this);
    auto* v = new QLabel(value, this);
    v->setFont(sansFont(9.75, true));
    grid_->addWidget(c, rowCount_, 0);
    grid_->addWidget(v, rowCount_, 1);
    ++rowCount_;
}

void frmStatistika::fill() {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    rowCount_ = 0;
    const Statistics& s = book_.totals();
    row(QStringLiteral("Начато игр:"), QString::number(s.started));
    row(QStringLiteral("Выиграно:"), QString::number(s.won));
    if (rows_.lostOnTime) row(QStringLiteral("Не успели по времени:"), QString::number(s.lostOnTime));
    row(rows_.givenUp, QString::number(s.givenUp));
    row(QStringLiteral("Самая длинная серия побед:"), QString::number(s.longestStreak));
    if (!rows_.hints.isEmpty()) row(rows_.hints, QString::number(s.hints));
    if (rows_.levelTimes)
        for (int level = 0; level < 3; ++level)
            row(QStringLiteral("Время победы, уровень %1:").arg(level + 1), levelText(s.levels[static_cast<size_t>(level)]));
}

void frmStatistika::kReset_Click() {
    if (!prompts_.question(QStringLiteral("Сбросить статистику?"), Prompts::Icon::Warning, true)) return;
    book_.reset();
    lblSetAside->hide();
    fill();
    kOK->setFocus(); // Enter now closes the window instead of asking again
}

QStringList frmStatistika::rowTexts() const {
    QStringList texts;
    for (int r = 0; r < rowCount_; ++r) {
        const auto* c = qobject_cast<QLabel*>(grid_->itemAtPosition(r, 0)->widget());
        const auto* v = qobject_cast<QLabel*>(grid_->itemAtPosition(r, 1)->widget());
        texts << c->text() + QLatin1Char(' ') + v->text();
    }
    return texts;
}

} // namespace smek
