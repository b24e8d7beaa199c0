// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one key filter of the programs' text boxes. Keys that edit or move
// (Backspace, Delete, Tab, Enter, Escape, arrows, Ctrl shortcuts: every key
// that types no printable character) always pass; a key that types text is
// handed to the box's own rule. Pasted or dropped text is filtered by a
// validator with a per-character rule, so it obeys what typing obeys.
#include <QObject>
#include <QString>
#include <QValidator>
#include <functional>

class QKeyEvent;
class QLineEdit;

namespace smek {

// Given the printable text of a key; true when the rule dealt with it (dropped
// it or put something in its place), false to let the key through.
using TypedTextRule = std::function<bool(const QString& typed)>;

class TypingFilter : public QObject {
public:
    // Filters the keys that reach target (for an editable combo box, the box
    // itself: it hands keys to its line edit without events). Owned by target.
    TypingFilter(QObject* target, TypedTextRule rule);

    // True for a key that types a printable character.
    static bool typesText(const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TypedTextRule rule_;
};

// The rule of the time fields: anything but a digit is dropped.
bool dropsAllButDigits(const QString& typed);
bool isDigit(QChar c);

// Keeps only the characters that keep accepts in whatever is inserted into a
// line edit (typed, pasted, dropped); the caret stays after what was kept.
class CharacterValidator : public QValidator {
public:
    CharacterValidator(std::function<bool(QChar)> keep, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<bool(QChar)> keep_;
};

void filterInsertedText(QLineEdit* box, std::function<bool(QChar)> keep);

} // namespace smek
