// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the word list decides without drawing: line texts, icons, the press and
// release zones of the mouse and the keyboard navigation with its scrolling.
// The list window (usrSlova) paints what this says.
#include <functional>
#include <string>

namespace smek::slovoset {

inline constexpr int kLineHeight = 23;
inline constexpr int kVisibleLines = 17;
inline constexpr int kListWidth = 163;
inline constexpr int kIconSize = 22;
// Colours as RGB: the current line and the others.
inline constexpr unsigned kHighlightRgb = 0x48A4FF;
inline constexpr unsigned kNormalRgb = 0xFFFFFF;

// "3) ЛЕС", or in play mode while the word is not opened "3) 5 букв(ы)"
// (CP1251). line is 0-based.
std::string lineText(int line, const std::string& slovo, int vybrano, int typGame);
// The state icon of a line (0..4) and the pressed look of its icon (0..2).
int iconElement(int vybrano, int otgadano, int typGame);
int pressedIconElement(int vybrano, int typGame);

// Whether a line's icon acts: in create mode always, in play mode only
// while its word is not opened (a mouse click or Space on the current line).
inline bool iconActs(int typGame, int vybrano) { return typGame == 1 || vybrano == 0; }

enum Zone { kZoneIcon = 1, kZoneText = 2 };
// A press counts as the icon left of x = 25, a release left of x = 28.
inline int pressZone(int x) { return x < 25 ? kZoneIcon : kZoneText; }
inline int releaseZone(int x) { return x < 28 ? kZoneIcon : kZoneText; }

class usrSlovaState {
public:
    enum class Release { Ignored, CancelledIcon, Highlight, IconClick };
    struct Move {
        bool moved = false;
        int from = 0; // the line that loses the highlight
    };

    int NomLine = 0;
    int KolLine = 0;
    int Najat = 0;
    int TypNajat = 0;
    int LineNajat = 0;
    int top = 0; // the scroll bar's value: the first visible line
    // Lines the list shows at once: the designed 17, more in a taller window.
    int visibleLines = kVisibleLines;

    void Start();
    // Counts one more line; the new line is NomLine until the caller resets it.
    void AddLine();

    bool scrollEnabled() const { return KolLine > visibleLines; }
    int scrollMax() const { return scrollEnabled() ? KolLine - visibleLines : 0; }
    void setTop(int value);

    // The six navigation keys by their Windows codes (NavKey below);
    // any other key changes nothing.
    Move keyDown(int key);

    // vybranoOfLine tells whether a line's word is opened or chosen. Returns
    // true when the press is taken (its icon is then drawn pressed when
    // TypNajat is the icon zone).
    bool mouseDown(int x, int y, bool gotovo, int typGame, const std::function<int(int)>& vybranoOfLine);
    Release mouseUp(int x, int y);
    // The line under a point of the list, -1 outside the drawn lines.
    int lineAt(int x, int y) const;

    // The scroll top that brings `line` into view, moving as little as
    // possible (the present top when it is visible already).
    int topShowing(int line) const;

private:
    bool inside(int x, int y) const;
};

// Windows key codes of the navigation keys.
enum NavKey { kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36, kKeyUp = 38, kKeyDown = 40 };

} // namespace smek::slovoset
