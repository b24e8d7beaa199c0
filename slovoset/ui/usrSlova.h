// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word list: numbered lines of 23 pixels with a state icon at the left,
// 17 visible, on one tall drawing surface that the scroll bar moves. The list
// paints and reports icon clicks; the puzzle behind it lives with its owner.
#include "common/ui/PictureBox.h"
#include "slovoset/core/usrSlovaState.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

namespace smek::slovoset {

class usrSlova : public QWidget {
    Q_OBJECT
public:
    struct LineWord {
        std::string slovo; // CP1251 capitals
        int vybrano = 0;
        int otgadano = 0;
    };

    explicit usrSlova(QWidget* parent = nullptr);

    // How the list reads its lines' words, the mode and whether a list exists.
    std::function<LineWord(int line)> wordOfLine;
    std::function<int()> typGame;
    std::function<bool()> gotovo;

    // Empties the list.
    void Start();
    // Appends the line KolLine (its word must already be readable).
    void AddSlovo();
    // Makes a line current and paints it with its word's present state.
    void ShowLineSlovo(int line);
    // Paints a line's icon for its word's present state.
    void drawIcon(int line);
    // Shows n lines at once (at least the designed 17): the list grows with
    // the window.
    void setVisibleLines(int n);
    // The height the list takes to show n lines.
    static int heightFor(int lines);

    const usrSlovaState& state() const { return state_; }
    // The whole text of a line, as its tooltip shows it; empty for no line.
    QString lineToolTip(int line) const;
    // The context menu's entry for a line: "Исключить слово «ЛЕС»".
    QString excludeCaption(int line) const;

    QLabel* lblSavPertiya = nullptr;
    QFrame* picFrame = nullptr;
    QWidget* picBox = nullptr;
    smek::PictureBox* picList = nullptr;
    QScrollBar* VScroll1 = nullptr;
    std::array<QImage, 5> picKnopka;
    std::array<QImage, 3> picKnopka2;

signals:
    // A click on a line's icon (press and release on the same icon), or
    // Space on the current line.
    void iconClicked(int line);
    // A click on a line (text or icon) or Space: the owner shows its word.
    void lineChosen(int line);
    // "Исключить слово «…»" from the context menu of a line (create mode),
    // which the right click first makes current.
    void excludeRequested(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowScroll();
    void PrintLine(unsigned rgb);
    void picList_MouseDown(int x, int y);
    void picList_MouseUp(int x, int y);
    void picList_KeyDown(int key);
    void picList_Space();
    void scrollToShow(int line);
    void VScroll1_Change(int value);
    void moveHighlight(int from);
    void scrollByWheel(QWheelEvent* event);
    void contextMenu(const QContextMenuEvent& event);

    usrSlovaState state_;
    int wheelRest_ = 0;
};

} // namespace smek::slovoset
