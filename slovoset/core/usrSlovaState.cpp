// SPDX-License-Identifier: GPL-3.0-or-later
#include "usrSlovaState.h"

#include "common/core/Cp1251.h"

#include <algorithm>

namespace smek::slovoset {

std::string lineText(int line, const std::string& slovo, int vybrano, int typGame) {
    std::string text = std::to_string(line + 1) + ") ";
    if (typGame == 0 && vybrano == 0) return text + std::to_string(slovo.size()) + smek::w1251(" букв(ы)");
    return text + slovo;
}

int iconElement(int vybrano, int otgadano, int typGame) {
    if (typGame == 0 && vybrano != 0) return otgadano + 3;
    return vybrano + typGame;
}

int pressedIconElement(int vybrano, int typGame) {
    return vybrano + typGame;
}

void usrSlovaState::Start() {
    const int shown = visibleLines; // the window's size, not the list's content
    *this = usrSlovaState();
    visibleLines = shown;
}

void usrSlovaState::AddLine() {
    NomLine = KolLine;
    ++KolLine;
    if (!scrollEnabled()) top = 0;
}

void usrSlovaState::setTop(int value) {
    top = std::clamp(value, 0, scrollMax());
}

usrSlovaState::Move usrSlovaState::keyDown(int key) {
    Najat = 0;
    const int last = KolLine - 1;
    if (KolLine == 0) return {};
    const int from = NomLine;
    const bool offScreen = NomLine > top + visibleLines || NomLine < top;
    switch (key) {
    case kKeyUp:
        if (NomLine == 0) return {};
        if (offScreen) {
            NomLine = top;
        } else if (--NomLine < top) {
            setTop(top - 1);
        }
        break;
    case kKeyDown:
        if (NomLine == last) return {};
        if (offScreen) {
            NomLine = top;
        } else if (++NomLine >= top + visibleLines) {
            setTop(top + 1);
        }
        break;
    case kKeyPageUp:
        if (NomLine == 0) return {};
        if (top < visibleLines) {
            NomLine = 0;
            setTop(0);
        } else {
            setTop(top - visibleLines);
            NomLine = top;
        }
        break;
    case kKeyPageDown:
        if (NomLine == last) return {};
        // A disabled scroll bar has no range to page into.
        if (scrollMax() >= top + visibleLines) {
            setTop(top + visibleLines);
            NomLine = top + visibleLines - 1;
        } else {
            NomLine = last;
            if (scrollEnabled()) setTop(scrollMax());
        }
        break;
    case kKeyHome:
        if (NomLine == 0) return {};
        NomLine = 0;
        if (scrollEnabled()) setTop(0);
        break;
    case kKeyEnd:
        if (NomLine == last) return {};
        NomLine = last;
        if (scrollEnabled() && scrollMax() > 0) setTop(scrollMax());
        break;
    default: return {};
    }
    return {true, from};
}

bool usrSlovaState::inside(int x, int y) const {
    // The bottom edge belongs to no line.
    return x >= 2 && x <= kListWidth && y >= 0 && y < KolLine * kLineHeight;
}

bool usrSlovaState::mouseDown(int x, int y, bool gotovo, int typGame, const std::function<int(int)>& vybranoOfLine) {
    Najat = 0;
    if (!gotovo || !inside(x, y)) return false;
    LineNajat = y / kLineHeight;
    if (pressZone(x) == kZoneIcon) {
        if (iconActs(typGame, vybranoOfLine(LineNajat))) {
            TypNajat = kZoneIcon;
            Najat = 1;
        }
    } else if (LineNajat != NomLine) {
        TypNajat = kZoneText;
        Najat = 1;
    }
    return Najat == 1;
}

usrSlovaState::Release usrSlovaState::mouseUp(int x, int y) {
    if (Najat != 1) return Release::Ignored;
    Najat = 0;
    const bool cancelled = !inside(x, y) || releaseZone(x) != TypNajat || y / kLineHeight != LineNajat;
    if (cancelled && TypNajat == kZoneIcon) return Release::CancelledIcon;
    NomLine = LineNajat;
    return TypNajat == kZoneText ? Release::Highlight : Release::IconClick;
}

int usrSlovaState::lineAt(int x, int y) const {
    return inside(x, y) ? y / kLineHeight : -1;
}

int usrSlovaState::topShowing(int line) const {
    if (!scrollEnabled()) return 0;
    if (line < top) return std::clamp(line, 0, scrollMax());
    if (line >= top + visibleLines) return std::clamp(line - visibleLines + 1, 0, scrollMax());
    return top;
}

} // namespace smek::slovoset
