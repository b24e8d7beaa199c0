// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypingFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace smek {

TypingFilter::TypingFilter(QObject* target, TypedTextRule rule) : QObject(target), rule_(std::move(rule)) {
    target->installEventFilter(this);
}

bool TypingFilter::typesText(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty()) return false;
    // X11 gives Delete the text DEL, Tab a tab, Ctrl+V a control code: none of
    // them types a character.
    const char16_t c = text.front().unicode();
    return c >= 0x20 && c != 0x7F;
}

bool TypingFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (typesText(*key)) return rule_(key->text());
    }
    return QObject::eventFilter(watched, event);
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool dropsAllButDigits(const QString& typed) {
    return !isDigit(typed.front());
}

CharacterValidator::CharacterValidator(std::function<bool(QChar)> keep, QObject* parent)
    : QValidator(parent), keep_(std::move(keep)) {}

QValidator::State CharacterValidator::validate(QString& input, int& pos) const {
    QString kept;
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!keep_(input[i])) continue;
        kept += input[i];
        if (i < pos) ++keptPos;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

void filterInsertedText(QLineEdit* box, std::function<bool(QChar)> keep) {
    box->setValidator(new CharacterValidator(std::move(keep), box));
}

} // namespace smek
