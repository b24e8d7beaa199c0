// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One expiry of a window's timer, delivered through the timer itself so that
// a test also proves the timer is wired to its handler, without waiting.
#include <QMetaObject>
#include <QTimer>

namespace smek {

inline void expire(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

} // namespace smek
