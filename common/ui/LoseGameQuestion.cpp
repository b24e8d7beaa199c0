// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoseGameQuestion.h"

#include "common/core/TextFile.h"

namespace smek {
namespace {

const std::string kOff = "off\n";

} // namespace

LoseGameQuestion::LoseGameQuestion(QMenu* menu, Prompts& prompts, std::filesystem::path file, QObject* parent)
    : QObject(parent), prompts_(prompts), file_(std::move(file)) {
    action = menu->addAction(QStringLiteral("Спрашивать, прежде чем бросить игру"));
    action->setCheckable(true);
    // Anything but the one word "off" (a missing or damaged file) keeps the question.
    action->setChecked(file_.empty() || readTextFile(file_).content != kOff);
    connect(action, &QAction::toggled, this, [this](bool on) {
        if (file_.empty()) return;
        if (on) {
            std::error_code ignored;
            std::filesystem::remove(file_, ignored);
            return;
        }
        std::error_code ignored;
        std::filesystem::create_directories(file_.parent_path(), ignored);
        (void)writeTextFileAtomic(file_, kOff); // not written: the choice lasts for the run, silently
    });
}

bool LoseGameQuestion::mayLose(bool gameInProgress) {
    if (!gameInProgress || !action->isChecked()) return true;
    return prompts_.question(QStringLiteral("Начатая игра будет потеряна. Продолжить?"), Prompts::Icon::Warning, true);
}

} // namespace smek
