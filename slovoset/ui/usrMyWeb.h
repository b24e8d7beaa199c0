// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view that shows a puzzle as HTML. It is a picture of the puzzle, not a
// page to work with: only the up and down arrows act on it (they scroll), and
// it offers no context menu, no selection, no links and no new windows.
#include <QTextBrowser>
#include <QWidget>

namespace smek::slovoset {

class usrMyWeb : public QWidget {
    Q_OBJECT
public:
    explicit usrMyWeb(QWidget* parent = nullptr);

    // Replaces the document by html at once, without navigation.
    void LoadHtml(const QString& html);
    void LoadPusto();
    // Pixels at the top of the control that something lies over; the page
    // starts below them so none of its text is hidden.
    void setCoveredTop(int pixels);

    // The page's scroll position in pixels, kept across a new document.
    int scrollTop() const;
    void setScrollTop(int pixels);
    // Scrolls, when needed, so that the character after the first `marks`
    // shown characters that are not blanks is in view, a third from the top.
    // Returns that character's position in the document, -1 when there is none.
    int showMark(int marks);

    QTextBrowser* WebBrowser1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool mDoc_onkeydown(QKeyEvent* event);
    void placeBrowser();

    int coveredTop_ = 0;
};

} // namespace smek::slovoset
