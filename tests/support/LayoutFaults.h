// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of a dialog as placed: each wholly inside it, none over
// another. The faults found, named by the controls' texts, so a failure says
// which.
#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace smek::test {

inline QString controlName(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return QString::fromLatin1(w->metaObject()->className());
}

inline QStringList layoutFaults(const QWidget& dialog) {
    QList<const QWidget*> controls;
    for (const QObject* child : dialog.children())
        if (const auto* w = qobject_cast<const QWidget*>(child); w && !w->isWindow() && !w->isHidden()) controls << w;
    QStringList faults;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect at = controls[i]->geometry();
        if (!dialog.rect().contains(at)) faults << controlName(controls[i]) + QStringLiteral(" outside");
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (at.intersects(controls[j]->geometry()))
                faults << controlName(controls[i]) + QStringLiteral(" over ") + controlName(controls[j]);
    }
    return faults;
}

} // namespace smek::test
