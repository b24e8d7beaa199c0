// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstMove.h"

namespace smek {

void FirstMove::dealt() {
    book_.gameLeft();
    waiting_ = true;
}

void FirstMove::moved() {
    if (!waiting_) return;
    waiting_ = false;
    book_.gameStarted();
}

bool FirstMove::ended(Outcome outcome, int level, long long seconds) {
    waiting_ = false;
    return book_.gameEnded(outcome, level, seconds);
}

void FirstMove::alreadyStarted() {
    waiting_ = false;
    book_.gameResumed();
}

void FirstMove::left() {
    waiting_ = false;
    book_.gameLeft();
}

} // namespace smek
