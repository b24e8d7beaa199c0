// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPrompts.h"

#include <QAction>
#include <QPrinter>
#include <utility>

namespace smek {

void ScriptedPrompts::message(const QString& text, Icon icon) {
    asked.append({QStringLiteral("message"), text, icon, false});
}

bool ScriptedPrompts::question(const QString& text, Icon icon, bool noDefault) {
    asked.append({QStringLiteral("question"), text, icon, noDefault});
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::inputText(const QString& prompt, const QString&) {
    asked.append({QStringLiteral("input"), prompt, Icon::None, false});
    if (inputs.empty()) return std::nullopt;
    std::optional<QString> answer = std::move(inputs.front());
    inputs.pop_front();
    return answer;
}

QString ScriptedPrompts::fileDialog(const FileRequest& request) {
    asked.append({QStringLiteral("file"), request.proposedName, Icon::None, false});
    fileRequests.append(request);
    if (files.empty()) return {};
    const QString answer = files.front();
    files.pop_front();
    return answer;
}

void ScriptedPrompts::showModal(QDialog& dialog) {
    asked.append({QStringLiteral("modal"), QString::fromLatin1(dialog.metaObject()->className()), Icon::None, false});
    if (onModal) onModal(dialog);
    dialog.close();
}

bool ScriptedPrompts::openUrl(const QString& target) {
    opened.append(target);
    return openSucceeds;
}

bool ScriptedPrompts::printDialog(QPrinter& printer) {
    asked.append({QStringLiteral("print"), printer.docName(), Icon::None, false});
    if (printers.empty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printers.front());
    printers.pop_front();
    return true;
}

QStringList ScriptedPrompts::texts() const {
    QStringList out;
    for (const Asked& a : asked)
        if (a.kind == QStringLiteral("message") || a.kind == QStringLiteral("question")) out << a.text;
    return out;
}

QStringList ScriptedPrompts::statistikaRows(QAction* entry, const std::function<void(frmStatistika&)>& act) {
    QStringList rows;
    const auto kept = std::exchange(onModal, [&](QDialog& dialog) {
        if (auto* statistika = qobject_cast<frmStatistika*>(&dialog)) {
            if (act) act(*statistika);
            rows = statistika->rowTexts();
        }
    });
    entry->trigger();
    onModal = kept;
    return rows;
}

} // namespace smek
