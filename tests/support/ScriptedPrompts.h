// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prompts for window tests: records every box, question and dialog, and
// answers from a script instead of waiting for a person.
#include "common/ui/Prompts.h"
#include "common/ui/frmStatistika.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace smek {

class ScriptedPrompts : public Prompts {
public:
    struct Asked {
        QString kind; // "message", "question", "input", "file", "modal", "print"
        QString text; // the message, the prompt, the dialog's class name
        Icon icon = Icon::None;
        bool noDefault = false;
    };

    explicit ScriptedPrompts(QString caption = QStringLiteral("test")) : Prompts(std::move(caption)) {}

    // Answers, taken in order; when a queue is empty: Yes, cancel, cancel.
    std::deque<bool> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> files;
    // Print dialogs: a PDF file to print into stands for a printer chosen; an
    // empty queue cancels.
    std::deque<QString> printers;
    // Called with each modal window instead of running it; the window is
    // closed afterwards.
    std::function<void(QDialog&)> onModal;

    QList<Asked> asked;
    QList<FileRequest> fileRequests;
    QStringList opened;
    // What openUrl answers: false plays a platform (or browser) that cannot
    // open the target.
    bool openSucceeds = true;

    void message(const QString& text, Icon icon) override;
    bool question(const QString& text, Icon icon, bool noDefault) override;
    std::optional<QString> inputText(const QString& prompt, const QString& initial) override;
    QString fileDialog(const FileRequest& request) override;
    void showModal(QDialog& dialog) override;
    bool openUrl(const QString& target) override;
    bool printDialog(QPrinter& printer) override;

    // The texts of all messages and questions so far.
    QStringList texts() const;
    // The rows of the statistics window that `entry` opens, after `act` has
    // done its part there.
    QStringList statistikaRows(QAction* entry, const std::function<void(frmStatistika&)>& act = {});
};

} // namespace smek
