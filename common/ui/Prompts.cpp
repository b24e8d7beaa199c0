// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prompts.h"

#include "UndecodableNames.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace smek {
namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::Stop: return QMessageBox::Critical;
    case Prompts::Icon::Warning: return QMessageBox::Warning;
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

void fitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = captionWidth(box);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

int captionWidth(const QWidget& window) {
    return QFontMetrics(window.font()).horizontalAdvance(window.windowTitle()) + 120;
}

void QtPrompts::message(const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), caption(), text, QMessageBox::Ok, owner());
    // Texts carry file names and typed words: never markup.
    box.setTextFormat(Qt::PlainText);
    fitCaption(box);
    box.exec();
}

bool QtPrompts::question(const QString& text, Icon icon, bool noDefault) {
    QMessageBox box(boxIcon(icon), caption(), text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(noDefault ? QMessageBox::No : QMessageBox::Yes);
    box.setTextFormat(Qt::PlainText);
    fitCaption(box);
    // Any answer but No counts as Yes.
    return box.exec() != QMessageBox::No;
}

std::optional<QString> QtPrompts::inputText(const QString& prompt, const QString& initial) {
    QInputDialog box(owner());
    box.setWindowTitle(caption());
    box.setLabelText(prompt);
    box.setTextValue(initial);
    if (auto* label = box.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
    // The box's layout sets its size from its contents, so the width goes on
    // the text field.
    if (auto* field = box.findChild<QLineEdit*>()) field->setMinimumWidth(captionWidth(box));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

QString QtPrompts::fileDialog(const FileRequest& request) {
    QFileDialog dialog(owner(), QString(), request.startFolder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The callers ask before replacing a file and check that it exists themselves.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    QString undecodable;
    if (!request.save) addUndecodableNames(dialog, &undecodable);
    if (dialog.exec() != QDialog::Accepted) return {};
    if (!undecodable.isEmpty()) return undecodable;
    return dialog.selectedFiles().isEmpty() ? QString() : dialog.selectedFiles().first();
}

void QtPrompts::showModal(QDialog& dialog) {
    dialog.exec();
}

bool QtPrompts::openUrl(const QString& target) {
    const QUrl url = target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"))
                         ? QUrl(target)
                         : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

bool QtPrompts::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace smek
