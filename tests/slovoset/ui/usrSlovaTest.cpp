// SPDX-License-Identifier: GPL-3.0-or-later
// The word list as a player meets it: what its backing image shows, the keys,
// the scroll bar and the icon presses.
#include "common/core/Cp1251.h"
#include "slovoset/ui/usrSlova.h"

#include <QSignalSpy>
#include <QtTest>

using namespace smek::slovoset;

namespace {

const QColor kHighlight(72, 164, 255);

struct ListFixture {
    usrSlova list;
    std::vector<usrSlova::LineWord> words;
    int typ = 0;

    explicit ListFixture(int lines, int typGame = 0) : typ(typGame) {
        list.wordOfLine = [this](int line) { return words.at(line); };
        list.typGame = [this] { return typ; };
        list.gotovo = [] { return true; };
        for (int i = 0; i < lines; ++i) {
            words.push_back({smek::w1251("ЛЕСОК"), 0, 0});
            list.AddSlovo();
        }
    }
    QColor pixel(int x, int y) const { return list.picList->image().pixelColor(x, y); }
    // The text area of a line is painted in the highlight colour at its right end.
    bool highlighted(int line) const { return pixel(kListWidth - 2, line * kLineHeight + 21) == kHighlight; }
    // Every highlighted line and the scroll bar's value, e.g. "19 @3".
    QString view() const {
        QStringList lit;
        for (int line = 0; line < static_cast<int>(words.size()); ++line)
            if (highlighted(line)) lit << QString::number(line);
        return lit.join(QLatin1Char(',')) + QStringLiteral(" @") + QString::number(list.VScroll1->value());
    }
    bool iconIs(int line, const QImage& icon) const {
        return list.picList->image().copy(2, line * kLineHeight, kIconSize, kIconSize) == icon;
    }
    void press(int x, int y) { emit list.picList->mouseDown(Qt::LeftButton, x, y); }
    void release(int x, int y) { emit list.picList->mouseUp(Qt::LeftButton, x, y); }
    void key(Qt::Key k) { QTest::keyClick(list.picList, k); }
    // A wheel turn over a widget of the list; negative dy turns towards the end.
    void wheel(QWidget* over, int dy) {
        list.show(); // wheel events reach shown widgets only
        const QPointF at(20, 20);
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, dy), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    }
};

// Does any dark text pixel lie in the line's text area?
bool hasText(const QImage& image, int line) {
    for (int y = line * kLineHeight; y < line * kLineHeight + kLineHeight; ++y)
        for (int x = 28; x < kListWidth; ++x)
            if (qGray(image.pixel(x, y)) < 100) return true;
    return false;
}

} // namespace

class usrSlovaTest : public QObject {
    Q_OBJECT
private slots:
    void longWordsShrinkOrElideAndKeepATooltip() {
        ListFixture f(0, 1);
        for (const char* slovo : {"ЛЕС", "ДОСТОПРИМЕЧАТЕЛЬНОСТЬ", "ЧЕЛОВЕКОНЕНАВИСТНИЧЕСТВО"}) {
            f.words.push_back({smek::w1251(slovo), 1, 0});
            f.list.AddSlovo();
        }
        // No text pixel beyond the text area's right edge on any line: the
        // text is drawn smaller or cut with "…", never cut off by the edge.
        const QImage image = f.list.picList->image();
        for (int line = 0; line < 3; ++line)
            for (int y = line * kLineHeight; y < (line + 1) * kLineHeight; ++y)
                QVERIFY(qGray(image.pixel(kListWidth - 1, y)) > 100);
        QVERIFY(hasText(image, 2));
        QCOMPARE(f.list.lineToolTip(1), QStringLiteral("2) ДОСТОПРИМЕЧАТЕЛЬНОСТЬ"));
        QCOMPARE(f.list.lineToolTip(2), QStringLiteral("3) ЧЕЛОВЕКОНЕНАВИСТНИЧЕСТВО"));
        QCOMPARE(f.list.lineToolTip(3), QString());
        // In play mode an unopened word's tooltip tells no more than its line.
        f.typ = 0;
        f.words[1].vybrano = 0;
        QCOMPARE(f.list.lineToolTip(1), QStringLiteral("2) 21 букв(ы)"));
    }

    void openedLineScrollsIntoViewAndSpaceActsAsTheIcon() {
        ListFixture f(40);
        QSignalSpy icon(&f.list, &usrSlova::iconClicked);
        QSignalSpy chosen(&f.list, &usrSlova::lineChosen);
        f.words[30].vybrano = 1;
        f.list.ShowLineSlovo(30);
        QCOMPARE(f.list.VScroll1->value(), 30 - kVisibleLines + 1);
        QCOMPARE(f.list.picList->y(), -(30 - kVisibleLines + 1) * kLineHeight);
        f.list.ShowLineSlovo(2);
        QCOMPARE(f.list.VScroll1->value(), 2);

        // Space on an opened word does nothing in play mode; on a closed one it reveals.
        f.list.ShowLineSlovo(30);
        f.key(Qt::Key_Space);
        QCOMPARE(icon.count(), 0);
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Space);
        QCOMPARE(icon.count(), 1);
        QCOMPARE(QList({icon.last().at(0).toInt(), chosen.last().at(0).toInt()}), QList({31, 31}));
        // Create mode: Space toggles any line.
        f.typ = 1;
        f.key(Qt::Key_Up);
        f.key(Qt::Key_Space);
        QCOMPARE(icon.last().at(0).toInt(), 30);
    }

    void clicksOnLinesAreReported() {
        ListFixture f(3);
        QSignalSpy chosen(&f.list, &usrSlova::lineChosen);
        // Line 1's text; the current line's text again (no move, still shown);
        // a press released on another line.
        QList<int> counts;
        for (int releasedAt : {30, 30, 80}) {
            f.press(60, 30);
            f.release(60, releasedAt);
            counts << static_cast<int>(chosen.count()) << (chosen.isEmpty() ? -1 : chosen.last().at(0).toInt());
        }
        QCOMPARE(counts, QList({1, 1, 2, 1, 2, 1})); // each count with the line last reported
    }

    void linesIconsAndHighlight() {
        ListFixture f(3);
        QCOMPARE(f.list.picList->height(), 3 * kLineHeight);
        QCOMPARE(f.view(), QStringLiteral("0 @0"));
        QVERIFY(hasText(f.list.picList->image(), 2));
        QVERIFY(f.iconIs(0, f.list.picKnopka[0]));
        QCOMPARE(f.list.state().NomLine, 0);

        // Opening line 2 as a guessed word: highlight moves, icon 4, the text changes.
        const QImage before = f.list.picList->image().copy(28, 2 * kLineHeight, 130, kLineHeight);
        f.words[2].vybrano = 1;
        f.words[2].otgadano = 1;
        f.list.ShowLineSlovo(2);
        QCOMPARE(f.view(), QStringLiteral("2 @0"));
        QVERIFY(f.iconIs(2, f.list.picKnopka[4]));
        QVERIFY(f.list.picList->image().copy(28, 2 * kLineHeight, 130, kLineHeight) != before);
    }

    void theEightIconsDiffer() {
        ListFixture f(0);
        for (const QImage& icon : f.list.picKnopka) QCOMPARE(icon.size(), QSize(kIconSize, kIconSize));
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j) QVERIFY(f.list.picKnopka[i] != f.list.picKnopka[j]);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.list.picKnopka2[i].size(), QSize(kIconSize, kIconSize));
            QVERIFY(f.list.picKnopka2[i] != f.list.picKnopka[i]);
        }
    }

    void scrollBarFromEighteenLines() {
        ListFixture seventeen(17);
        QVERIFY(!seventeen.list.VScroll1->isEnabled());
        ListFixture eighteen(18);
        QVERIFY(eighteen.list.VScroll1->isEnabled());
        QCOMPARE(QList({eighteen.list.VScroll1->maximum(), eighteen.list.VScroll1->pageStep()}), QList({1, 17}));
        eighteen.list.VScroll1->setValue(1);
        QCOMPARE(eighteen.list.picList->y(), -kLineHeight);
        // Start empties everything, the bar included.
        eighteen.list.Start();
        QVERIFY(!eighteen.list.VScroll1->isEnabled());
        QCOMPARE(QList({eighteen.list.VScroll1->value(), eighteen.list.picList->y()}), QList({0, 0}));
    }

    void wheelOverTheLinesScrolls() {
        ListFixture f(30);
        const int lines = QApplication::wheelScrollLines();
        f.wheel(f.list.picList, -120);
        QCOMPARE(f.list.VScroll1->value(), lines);
        QCOMPARE(f.list.picList->y(), -lines * kLineHeight);
        f.wheel(f.list.picList, -60); // half notches add up
        QCOMPARE(f.list.VScroll1->value(), lines);
        f.wheel(f.list.picBox, -60);
        QCOMPARE(f.list.VScroll1->value(), 2 * lines);
        for (int i = 0; i < 10; ++i) f.wheel(f.list.picList, -120);
        QCOMPARE(f.list.VScroll1->value(), 30 - kVisibleLines); // stops at the last line
        f.wheel(f.list.picList, 10 * 120);
        QCOMPARE(f.view(), QStringLiteral("0 @0")); // the wheel moves the view, not the highlight

        ListFixture few(kVisibleLines);
        few.wheel(few.list.picList, -120);
        QCOMPARE(QList({few.list.VScroll1->value(), few.list.picList->y()}), QList({0, 0}));
    }

    void keysMoveTheHighlightAndScroll() {
        ListFixture f(20);
        // Up on the first line and Down on the last do nothing; letters and Return move nothing.
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_End, Qt::Key_Down, Qt::Key_Home, Qt::Key_PageDown,
                                Qt::Key_PageUp, Qt::Key_Down, Qt::Key_A, Qt::Key_Return};
        QStringList views;
        for (Qt::Key k : keys) {
            f.key(k);
            views << f.view();
            if (k == Qt::Key_End) QCOMPARE(f.list.picList->y(), -3 * kLineHeight);
        }
        QCOMPARE(views, QStringLiteral("0 @0|19 @3|19 @3|0 @0|19 @3|0 @0|1 @0|1 @0|1 @0").split(QLatin1Char('|')));
        QCOMPARE(f.list.state().NomLine, 1);
    }

    void createModeIconClickIsReportedAndACancelledOneRestoresTheIcon() {
        ListFixture f(2, 1);
        QSignalSpy clicks(&f.list, &usrSlova::iconClicked);
        QVERIFY(f.iconIs(1, f.list.picKnopka[1]));
        f.press(10, kLineHeight + 5);
        QVERIFY(f.iconIs(1, f.list.picKnopka2[1]));
        f.release(10, 5); // another line
        QVERIFY(f.iconIs(1, f.list.picKnopka[1]));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(f.view(), QStringLiteral("0 @0"));

        f.press(10, kLineHeight + 5);
        f.release(12, kLineHeight + 8);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 1);
        QCOMPARE(f.view(), QStringLiteral("1 @0"));
    }

    void playModeOpenedIconCannotBePressed() {
        ListFixture f(2, 0);
        f.words[1].vybrano = 1;
        f.list.drawIcon(1);
        QVERIFY(f.iconIs(1, f.list.picKnopka[3]));
        QSignalSpy clicks(&f.list, &usrSlova::iconClicked);
        f.press(10, kLineHeight + 5);
        QVERIFY(f.iconIs(1, f.list.picKnopka[3]));
        f.release(10, kLineHeight + 5);
        QCOMPARE(clicks.count(), 0);
    }
};

QTEST_MAIN(usrSlovaTest)
#include "usrSlovaTest.moc"
