// SPDX-License-Identifier: GPL-3.0-or-later
// Offscreen tests of play beyond the design: keyboard play, drags, the found
// counter, struck-through words, the flash of a missed mark, the printed puzzle.
#include "QtFolder.h"
#include "WindowFolder.h"
#include "common/ui/Text.h"
#include "common/ui/frmEnd.h"
#include "slovolov/core/Cursor.h"
#include "slovolov/core/Drag.h"
#include "slovolov/core/Lookup.h"
#include "slovolov/core/SavedGame.h"
#include "slovolov/core/WebPage.h"
#include "common/core/TextFile.h"
#include "slovolov/ui/frmSlovolovSelLevel.h"

#include <QMenu>
#include <QRegularExpression>
#include <QtTest>
#include <filesystem>

using namespace smek::slovolov;
namespace fs = std::filesystem;

class PlayAidsTest : public QObject, test::WindowCase {
    Q_OBJECT

private:
    int wins_ = 0;

    frmSlovolov& start(Settings settings = {}, std::uint64_t seed = 7) {
        w_ = test::openWindow(*prompts_, *dir_, settings, seed);
        w_->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(w_.get())); }();
        w_->NewGame(0);
        return *w_;
    }
    const GameState& g() const { return w_->state(); }
    Cell first(int i) const { return {g().Recs[static_cast<size_t>(i)][0], g().Recs[static_cast<size_t>(i)][1]}; }
    Cell last(int i) const { return {g().Recs[static_cast<size_t>(i)][2], g().Recs[static_cast<size_t>(i)][3]}; }
    // The middle of a cell in the board widget's own coordinates.
    QPoint at(Cell c) const {
        const Pixel p = cellCentre(g(), c);
        const int b = w_->picControl->borderWidth();
        return {b + p.x, b + p.y};
    }
    // A key as the keyboard gives it: to the window, which hands it to the focus.
    void key(Qt::Key k) { QTest::keyClick(w_->windowHandle(), k); }
    void keys(std::initializer_list<Qt::Key> ks) { for (const Qt::Key k : ks) key(k); }
    // The P key under a Russian layout: QTest's clicks carry Latin-1 text only.
    void russianP() { QTest::sendKeyEvent(QTest::Click, w_->windowHandle(), Qt::Key(u'З'), QStringLiteral("з"), Qt::NoModifier); }
    // Arrow keys from the cursor to a cell, then a key that clicks it.
    void walkTo(Cell target, Qt::Key click) {
        while (w_->boardInput->cursor().x < target.x) key(Qt::Key_Right);
        while (w_->boardInput->cursor().x > target.x) key(Qt::Key_Left);
        while (w_->boardInput->cursor().y < target.y) key(Qt::Key_Down);
        while (w_->boardInput->cursor().y > target.y) key(Qt::Key_Up);
        QCOMPARE(w_->boardInput->cursor(), target);
        key(click);
    }
    void clickAt(Cell c) { QTest::mouseClick(w_->picControl, Qt::LeftButton, {}, at(c)); }
    void findWord(int i) { clickAt(first(i)); clickAt(last(i)); }
    // A menu command whose file dialog is answered with `file`.
    void pick(const QString& file, QAction* command) { prompts_->files = {file}; command->trigger(); }
    void openFrom(const QString& file) { prompts_->files = {file}; w_->OpenFile(); }
    // Closed and started again on the same folder, taking the kept game up.
    void resumeAfterRestart() {
        QVERIFY(w_->close());
        w_ = test::openWindow(*prompts_, *dir_, {}, 7);
        prompts_->answers = {true};
        QVERIFY(w_->resumeGame());
    }
    void drag(Cell from, const std::vector<Cell>& via, Cell to) {
        QTest::mousePress(w_->picControl, Qt::LeftButton, {}, at(from));
        for (const Cell& c : via) QTest::mouseMove(w_->picControl, at(c));
        QTest::mouseRelease(w_->picControl, Qt::LeftButton, {}, at(to));
    }
    QRgb screen(const QImage& shot, int x, int y) const {
        const int b = w_->picControl->borderWidth();
        return shot.pixel(b + x, b + y) & 0xFFFFFF;
    }
    // Black pixels along the strike row of list row i, across the word.
    int struckPixels(int i) const {
        int n = 0;
        const QImage& list = w_->picBox->image();
        for (int y = 20 * i + 7; y <= 20 * i + 13; ++y) {
            int run = 0;
            for (int x = 60; x < 150; ++x) run += (list.pixel(x, y) & 0xFFFFFF) == 0;
            n = std::max(n, run);
        }
        return n;
    }

    struct Pdf {
        int pages = 0;
        QStringList mediaBoxes;
    };
    static Pdf readPdf(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QString text = QString::fromLatin1(file.readAll());
        Pdf pdf;
        pdf.pages = static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
        const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]"));
        for (auto it = box.globalMatch(text); it.hasNext();) {
            QStringList numbers; // in points, rounded: "0 0 595 842" is A4
            for (const QString& n : it.next().captured(1).simplified().split(QLatin1Char(' ')))
                numbers << QString::number(qRound(n.toDouble()));
            pdf.mediaBoxes << numbers.join(QLatin1Char(' '));
        }
        return pdf;
    }

private slots:
    void init() {
        setUp();
        wins_ = 0;
        prompts_->onModal = [this](QDialog& d) {
            if (auto* end = qobject_cast<smek::frmEnd*>(&d); end && end->banner().text == "ПОБЕДА!!!") ++wins_;
        };
    }
    void cleanup() { tearDown(); }

    void pauseHoldsTheClockAndHidesTheBoard() {
        frmSlovolov& w = start(Settings{.ZamenaBukv = 1, .IgraNaVremya = 1, .VremyaMin = 1});
        QVERIFY(w.MenuPause->isEnabled());
        QCOMPARE(w.MenuPause->shortcut(), QKeySequence(Qt::Key_P));
        // No refill pending: a pause and a resume must not start one.
        w.MenuPause->trigger();
        w.MenuPause->trigger();
        QVERIFY(w.tmTimer->isActive() && !w.tmNewBukvy->isActive());
        findWord(0); // the refill is on its way
        QVERIFY(w.tmNewBukvy->isActive());
        key(Qt::Key_P);
        QVERIFY(w.pauseCover->paused());
        // The same key under a Russian layout, where it types З, resumes and pauses.
        russianP();
        QVERIFY(!w.pauseCover->paused());
        russianP();
        QVERIFY(w.pauseCover->paused() && w.MenuPause->isChecked() && !w.tmTimer->isActive() && !w.tmNewBukvy->isActive());
        QVERIFY(w.pauseCover->geometry().contains(w.picControl->geometry() | w.picBox->geometry()));
        QCOMPARE(QApplication::focusWidget(), w.pauseCover); // keys no longer move the board's cursor
        const Cell cursor = w.boardInput->cursor();
        key(Qt::Key_Right);
        QCOMPARE(w.boardInput->cursor(), cursor);
        // A click on the cover resumes, and both clocks go on.
        QTest::mouseClick(w.pauseCover, Qt::LeftButton);
        QVERIFY(!w.pauseCover->paused() && w.tmTimer->isActive() && w.tmNewBukvy->isActive());
        QCOMPARE(w.lblTimer->text(), QStringLiteral("01:00"));
        // A new game ends a pause; an ended game cannot be paused.
        w.MenuPause->trigger();
        w.OpenNamedFile(QString()); // a failed open keeps the pause
        QVERIFY(w.pauseCover->paused());
        w.NewGame(0);
        QVERIFY(!w.pauseCover->paused() && !w.MenuPause->isChecked() && w.tmTimer->isActive());
        w.state().OstMin = w.state().OstSec = 0;
        w.MenuPause->trigger();
        w.NewTime(); // lost on time while paused: the pause ends with the game
        QVERIFY(!w.pauseCover->paused() && !w.MenuPause->isChecked() && !w.MenuPause->isEnabled());
        QVERIFY(!w.tmTimer->isActive() && !w.tmNewBukvy->isActive());
        w.MenuPause_Click();
        QVERIFY(!w.pauseCover->paused());
    }

    void lookupFromTheListTheBoardAndTheMenu() {
        frmSlovolov& w = start();
        std::unique_ptr<QMenu> menu(w.picBox_ContextMenu(20 * 2 + 5));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Найти в словаре"));
        menu->actions()[0]->trigger();
        QCOMPARE(prompts_->opened, QStringList{QString::fromStdString(lookupAddress(g().Slova[2]))});
        QVERIFY(!std::unique_ptr<QMenu>(w.picBox_ContextMenu(20 * (g().NumWords + 1) + 5))); // below the list
        // On the board only a found word is named: an unfound one would be given away.
        const Pixel p = cellCentre(g(), first(1));
        QVERIFY(!std::unique_ptr<QMenu>(w.picControl_ContextMenu(p.x, p.y)));
        findWord(1);
        menu.reset(w.picControl_ContextMenu(p.x, p.y));
        QVERIFY(menu);
        menu->actions()[0]->trigger();
        QCOMPARE(prompts_->opened.last(), QString::fromStdString(lookupAddress(g().Slova[1])));
        // The menu entry lists every word of the board.
        QVERIFY(w.MenuSlovar->isEnabled());
        emit w.MenuSlovar->aboutToShow();
        QCOMPARE(w.MenuSlovar->actions().size(), g().NumWords + 1);
        QCOMPARE(w.MenuSlovar->actions()[0]->text(), QStringLiteral("1) ") + smek::fromCp1251(g().Slova[0]));
        w.MenuSlovar->actions()[3]->trigger();
        QCOMPARE(prompts_->opened.last(), QString::fromStdString(lookupAddress(g().Slova[3])));
    }

    void missedWordsAreMarkedAfterGivingUp() {
        frmSlovolov& w = start();
        findWord(0);
        const auto redIn = [&](int i) {
            int red = 0;
            const QImage& list = w.picBox->image();
            for (int y = 20 * i + 2; y < 20 * i + 19; ++y)
                for (int x = 40; x < 200; ++x) {
                    const QColor c = list.pixelColor(x, y);
                    red += c.red() > 150 && c.green() < 60 && c.blue() < 60;
                }
            return red;
        };
        QCOMPARE(redIn(1), 0);
        w.MenuEndGame_Click(); // Yes
        QCOMPARE(redIn(0), 0); // found
        for (int i = 1; i <= g().NumWords; ++i) QVERIFY2(redIn(i) > 20, qPrintable(QString::number(i)));
        // A word still found after giving up loses its red.
        findWord(1);
        QCOMPARE(redIn(1), 0);
        QVERIFY(struckPixels(1) > 10);
    }

    void questionBeforeAGameInProgressIsThrownAway() {
        frmSlovolov& w = start();
        const QString saved = smek::qPath(*dir_) + QStringLiteral("/kept.slv");
        w.SaveFile(saved);
        const std::vector<std::string> words = g().Slova;
        // Open: No keeps the game, with No the default answer.
        prompts_->answers = {false};
        findWord(0);
        openFrom(saved);
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Начатая игра будет потеряна. Продолжить?"));
        QVERIFY(prompts_->asked.last().noDefault);
        QCOMPARE(g().Found[0], 1);
        // Yes opens it.
        openFrom(saved);
        QCOMPARE(g().Found[0], 0);
        // A level button asks too; No leaves dialog, level and game as they were.
        int asked = prompts_->asked.size();
        prompts_->answers = {false};
        bool open = false;
        prompts_->onModal = [&](QDialog& d) {
            if (auto* level = qobject_cast<frmSlovolovSelLevel*>(&d)) {
                level->kUroven[2]->click();
                open = level->result() != QDialog::Accepted;
            }
        };
        w.MenuSelLevel_Click();
        QCOMPARE(prompts_->asked.size(), asked + 2); // the dialog and the question
        QVERIFY(open && g().level() == 0);
        QCOMPARE(g().Slova, words);
        // Switched off: no question, and the next window remembers it.
        w.loseQuestion->action->trigger();
        asked = prompts_->asked.size();
        openFrom(saved);
        QCOMPARE(prompts_->asked.size(), asked + 1); // the file dialog only
        // Closing keeps the game in progress for the next start: nothing is lost, nothing asked.
        findWord(2);
        const std::string kept = slvText(g());
        asked = prompts_->asked.size();
        QVERIFY(w.close());
        QCOMPARE(prompts_->asked.size(), asked);
        w_ = test::openWindow(*prompts_, *dir_, {}, 7);
        QVERIFY(!w_->loseQuestion->action->isChecked());
        w_->loseQuestion->action->trigger();
        QVERIFY(w_->loseQuestion->action->isChecked());
        prompts_->answers = {true};
        QVERIFY(w_->resumeGame());
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Продолжить прерванную игру?"));
        QCOMPARE(slvText(g()), kept);
        QVERIFY(g().FileName.empty()); // "Сохранить" asks for a name
        QVERIFY(!w_->resumeGame()); // offered once
        // Ended: nothing kept, nothing asked.
        w_->MenuEndGame_Click();
        for (int i = 0; i <= g().NumWords; ++i)
            if (g().Found[static_cast<size_t>(i)] == 0) findWord(i);
        asked = prompts_->asked.size();
        QVERIFY(w_->close());
        QCOMPARE(prompts_->asked.size(), asked);
        w_ = test::openWindow(*prompts_, *dir_, {}, 7);
        QVERIFY(!w_->resumeGame());
    }

    void aKeptGameCountsAsStartedOnce() {
        start();
        clickAt(first(0)); // the first move counts the game
        QCOMPARE(w_->statistics().totals().started, 1);
        resumeAfterRestart();
        findWord(1);
        QCOMPARE(w_->statistics().totals().started, 1); // no new game
        // Closed and taken up once more: still the same one game.
        resumeAfterRestart();
        w_->MenuPause->trigger();
        w_->MenuPause->trigger();
        prompts_->answers = {true};
        w_->MenuEndGame_Click();
        QCOMPARE((QList<int>{w_->statistics().totals().started, w_->statistics().totals().givenUp}), (QList<int>{1, 1})); // its end counts
        // A kept game never touched counts at its first move after the start.
        w_->NewGame(0);
        resumeAfterRestart();
        QCOMPARE(w_->statistics().totals().started, 1);
        clickAt(first(0));
        QCOMPARE(w_->statistics().totals().started, 2);
    }

    void aGameKeptAtCloseCanBeDeclined() {
        frmSlovolov& w = start();
        clickAt(first(0));
        QVERIFY(w.close());
        w_ = test::openWindow(*prompts_, *dir_, {}, 8);
        prompts_->answers = {false};
        QVERIFY(!w_->resumeGame());
        QCOMPARE(g().Remain, -1); // the caller deals a new board
        QVERIFY(!w_->resumeGame()); // declined is gone
    }

    void keyboardAloneWinsAGame() {
        frmSlovolov& w = start();
        QCOMPARE(QApplication::focusWidget(), w.picControl); // the board takes the keyboard
        QCOMPARE(w.boardInput->overlay()->cursorShown(), std::optional<Cell>(Cell{0, 0}));
        for (int i = 0; i <= g().NumWords; ++i) {
            walkTo(first(i), Qt::Key_Space);
            QCOMPARE(g().Marked, 1);
            walkTo(last(i), i % 2 ? Qt::Key_Return : Qt::Key_Enter);
            QCOMPARE(g().Found[static_cast<size_t>(i)], 1);
        }
        QCOMPARE((QList<int>{wins_, g().Remain}), (QList<int>{1, -1}));
        QCOMPARE(w.boardInput->overlay()->cursorShown(), std::nullopt); // no cursor on a finished board
        // The next game takes the keyboard again; F4 starts it without asking.
        key(Qt::Key_F4);
        QCOMPARE(g().Remain, g().NumWords);
        QCOMPARE(QApplication::focusWidget(), w.picControl);
    }

    void cursorKeysReachEveryEdgeAndShowAFrame() {
        frmSlovolov& w = start(Settings{.Level = 1});
        keys({Qt::Key_End, Qt::Key_PageDown});
        QCOMPARE(w.boardInput->cursor(), (Cell{14, 14}));
        keys({Qt::Key_Right, Qt::Key_Down});
        QCOMPARE(w.boardInput->cursor(), (Cell{14, 14})); // stops at the edge
        key(Qt::Key_Home);
        QCOMPARE(w.boardInput->cursor(), (Cell{0, 14}));
        keys({Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Up});
        QCOMPARE(w.boardInput->cursor(), (Cell{0, 0}));
        keys({Qt::Key_Right, Qt::Key_Down});
        // The frame lies just inside the grid lines; the letter inside is untouched.
        const Cell c{1, 1};
        const int s26 = g().CellSize;
        const QImage shot = w.picControl->grab().toImage();
        QCOMPARE(screen(shot, c.x * s26 + 1, c.y * s26 + 5), BoardOverlay::kCursorColour);
        QCOMPARE(screen(shot, c.x * s26 + s26 - 1, c.y * s26 + s26 - 2), BoardOverlay::kCursorColour);
        QCOMPARE(screen(shot, c.x * s26, c.y * s26 + 5), QRgb(0)); // the grid line
        for (int y = c.y * s26 + 3; y <= c.y * s26 + s26 - 3; ++y)
            for (int x = c.x * s26 + 3; x <= c.x * s26 + s26 - 3; ++x)
                QCOMPARE(screen(shot, x, y), w.picControl->image().pixel(x, y) & 0xFFFFFF);
        // The designed picture itself holds no frame.
        QCOMPARE(w.picControl->image().pixel(c.x * s26 + 1, c.y * s26 + 5) & 0xFFFFFF, kWhite);
        // A smaller board keeps the cursor inside it.
        keys({Qt::Key_End, Qt::Key_PageDown});
        w.state().settings.Level = 0;
        w.NewGame(0);
        QCOMPARE(w.boardInput->cursor(), (Cell{9, 9}));
    }

    void mouseAndKeysMix() {
        frmSlovolov& w = start();
        clickAt(first(2)); // the mouse marks the first letter and brings the cursor
        QCOMPARE(w.boardInput->cursor(), first(2));
        walkTo(last(2), Qt::Key_Space);
        QCOMPARE(g().Found[2], 1);
        walkTo(first(4), Qt::Key_Enter);
        clickAt(last(4));
        QCOMPARE(g().Found[4], 1);
        QCOMPARE(w.boardInput->cursor(), last(4));
        // Keys on an empty cell are ignored as the click is.
        walkTo(first(2), Qt::Key_Space);
        QCOMPARE(g().Marked, 0);
    }

    void dragFindsAWordAndLightsItsLine() {
        frmSlovolov& w = start();
        const int i = 0; // seven letters
        const std::vector<Cell> line = dragPath(first(i), last(i));
        QTest::mousePress(w.picControl, Qt::LeftButton, {}, at(first(i)));
        QVERIFY(w.boardInput->overlay()->path().empty());
        QTest::mouseMove(w.picControl, at(line[3]));
        QCOMPARE(w.boardInput->overlay()->path(), std::vector<Cell>(line.begin(), line.begin() + 4));
        QTest::mouseRelease(w.picControl, Qt::LeftButton, {}, at(last(i)));
        QCOMPARE((QList<int>{g().Found[i], g().Remain}), (QList<int>{1, g().NumWords - 1}));
        QVERIFY(w.boardInput->overlay()->path().empty());
        // Backwards, from last to first: as two clicks, no find; the mark sits on the first letter.
        drag(last(1), {}, first(1));
        QCOMPARE((QList<int>{g().Found[1], g().Marked, g().MarkX, g().MarkY}), (QList<int>{0, 1, first(1).x, first(1).y}));
        // A press and release on one cell is one click: here the second one.
        drag(last(1), {}, last(1));
        QCOMPARE((QList<int>{g().Found[1], g().Marked}), (QList<int>{1, 0}));
        drag(first(2), {}, first(2));
        QCOMPARE((QList<int>{g().Marked, g().MarkX, g().MarkY}), (QList<int>{1, first(2).x, first(2).y}));
    }

    void dragOffTheLinesLightsOnlyItsStart() {
        frmSlovolov& w = start();
        const Cell from{5, 2}, off{3, 3}; // a knight's move away: no line of any word
        QTest::mousePress(w.picControl, Qt::LeftButton, {}, at(from));
        QTest::mouseMove(w.picControl, at(off));
        QCOMPARE(w.boardInput->overlay()->path(), std::vector<Cell>{from});
        QTest::mouseMove(w.picControl, at({5, 5}));
        QCOMPARE(w.boardInput->overlay()->path(), (std::vector<Cell>{{5, 2}, {5, 3}, {5, 4}, {5, 5}}));
        // Let go well outside the board: nothing is clicked.
        QTest::mouseRelease(w.picControl, Qt::LeftButton, {}, QPoint(-100, -100));
        QVERIFY(g().Marked == 0 && w.boardInput->overlay()->path().empty());
    }

    void counterAndStruckWords() {
        frmSlovolov& w = start();
        QCOMPARE(w.lblNaideno->text(), QStringLiteral("Найдено: 0 из 6"));
        QVERIFY(w.lblNaideno->geometry().bottom() < w.lblSavPertiya->geometry().top());
        QVERIFY(struckPixels(3) < 20);
        drag(first(3), {}, last(3));
        QCOMPARE(w.lblNaideno->text(), QStringLiteral("Найдено: 1 из 6"));
        QVERIFY(struckPixels(3) > 25 && struckPixels(2) < 20);
        // An opened game strikes its found words as it lists them.
        const QString path = smek::qPath(*dir_) + QStringLiteral("/part.slv");
        prompts_->files = {path};
        w.SaveFileDialog(1);
        w.state().settings = Settings{.Level = 1};
        w.NewGame(0);
        QCOMPARE(w.lblNaideno->text(), QStringLiteral("Найдено: 0 из 12"));
        openFrom(path);
        QCOMPARE(w.lblNaideno->text(), QStringLiteral("Найдено: 1 из 6"));
        QVERIFY(struckPixels(3) > 25);
    }

    void missFlashesTheOldMark() {
        frmSlovolov& w = start();
        const Cell a = first(0), b = first(1);
        clickAt(a);
        clickAt(b);
        QCOMPARE(w.boardInput->overlay()->flash(), std::optional<Cell>(a));
        QVERIFY(w.boardInput->flashTimer()->isActive());
        QCOMPARE(w.boardInput->flashTimer()->interval(), BoardInput::kFlashMs);
        // The designed picture already shows the mark moved.
        const int s = g().CellSize;
        QCOMPARE((QList<QRgb>{w.picControl->image().pixel(a.x * s + 1, a.y * s + 1) & 0xFFFFFF,
                              w.picControl->image().pixel(b.x * s + 1, b.y * s + 1) & 0xFFFFFF}), (QList<QRgb>{kWhite, kGreen}));
        const QImage shot = w.picControl->grab().toImage();
        QVERIFY(qRed(screen(shot, a.x * s + 1, a.y * s + 1)) > qGreen(screen(shot, a.x * s + 1, a.y * s + 1)) + 60);
        QVERIFY(QTest::qWaitFor([&] { return !w.boardInput->overlay()->flash(); }, 2000));
        QVERIFY(!w.boardInput->flashTimer()->isActive());
    }

    void gameEndingDuringAFlashLeavesNoFlash() {
        frmSlovolov& w = start(Settings{.IgraNaVremya = 1, .VremyaSec = 1});
        clickAt(first(0));
        clickAt(first(1));
        QVERIFY(w.boardInput->flashTimer()->isActive());
        std::optional<Cell> flashAtBanner{Cell{-1, -1}};
        prompts_->onModal = [&](QDialog&) { flashAtBanner = w.boardInput->overlay()->flash(); };
        w.NewTime();
        w.NewTime(); // the time is up: fillers go, the banner shows
        QVERIFY(flashAtBanner == std::nullopt && !w.boardInput->flashTimer()->isActive());
        const QImage board = w.picControl->image();
        w.boardInput->flashTimer()->start(0); // a late expiry changes nothing
        QTest::qWait(20);
        QCOMPARE(w.picControl->image(), board);
        QCOMPARE(w.boardInput->overlay()->flash(), std::nullopt);
        // A new game started during a flash begins without it.
        w.NewGame(0);
        clickAt(first(0));
        clickAt(first(1));
        w.NewGame(0);
        QVERIFY(!w.boardInput->overlay()->flash() && !w.boardInput->flashTimer()->isActive());
    }

    void pdfOfThePuzzleWithAndWithoutAnswers() {
        frmSlovolov& w = start();
        QVERIFY(w.MenuPdf->isEnabled() && w.MenuPrint->isEnabled());
        const QString base = smek::qPath(*dir_) + QStringLiteral("/головоломка");
        const QString file = base + QStringLiteral(".pdf");
        prompts_->answers = {false};
        pick(base, w.MenuPdf);
        QCOMPARE(prompts_->asked.at(0).text, QStringLiteral("Добавить страницу с ответами?"));
        QCOMPARE(prompts_->fileRequests.last().proposedName, QStringLiteral("Словолов.pdf"));
        QCOMPARE(prompts_->fileRequests.last().filters.first(), QStringLiteral("Документ PDF (*.pdf)"));
        Pdf pdf = readPdf(file);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.mediaBoxes, QStringList{QStringLiteral("0 0 595 842")}); // A4 in points
        // Again with the answers page: the existing file is replaced after the question.
        prompts_->asked.clear();
        prompts_->answers = {true, true};
        pick(file, w.MenuPdf);
        QCOMPARE(prompts_->texts().size(), 2);
        QVERIFY(prompts_->texts().at(1).endsWith(QStringLiteral("уже существует.\r\nЗаменить его?")));
        pdf = readPdf(file);
        QCOMPARE((QList<qsizetype>{pdf.pages, pdf.mediaBoxes.size()}), (QList<qsizetype>{2, 2}));
        // No keeps the file; a folder that is not there is reported.
        const QByteArray before = [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        prompts_->answers = {false, false};
        pick(file, w.MenuPdf);
        QCOMPARE(readPdf(file).pages, 2);
        QVERIFY([&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }() == before);
        pick(smek::qPath(*dir_) + QStringLiteral("/нет/такой/папки/x.pdf"), w.MenuPdf);
        QVERIFY(prompts_->texts().last().endsWith(QStringLiteral("x.pdf\" сохранить не возможно.")));
        // A folder of that name is no file to replace: no question, only the failure.
        QVERIFY(QDir(smek::qPath(*dir_)).mkdir(QStringLiteral("папка.pdf")));
        const int said = static_cast<int>(prompts_->texts().size());
        prompts_->answers = {false, true};
        pick(smek::qPath(*dir_) + QStringLiteral("/папка.pdf"), w.MenuPdf);
        QCOMPARE(static_cast<int>(prompts_->texts().size()), said + 2); // the answers page, then the failure
        QVERIFY(prompts_->texts().last().endsWith(QStringLiteral("папка.pdf\" сохранить не возможно.")));
        QVERIFY(QFileInfo(smek::qPath(*dir_) + QStringLiteral("/папка.pdf")).isDir());
    }

    void webPageOfTheDealtBoardWithTheGamesClock() {
        frmSlovolov& w = start(Settings{.IgraNaVremya = 1, .VremyaMin = 2, .VremyaSec = 5});
        QVERIFY(w.MenuWeb->isEnabled());
        const std::string dealt = webPage(g(), 125);
        findWord(0); // a found word changes the board, not the page
        pick(smek::qPath(*dir_, QStringLiteral("доска")), w.MenuWeb);
        QCOMPARE(prompts_->fileRequests.last().proposedName, QStringLiteral("Словолов.html"));
        const QString file = smek::qPath(*dir_, QStringLiteral("доска.html"));
        QCOMPARE(smek::readTextFile(file.toStdString()).content, dealt);
        // An untimed game's page has no clock.
        w.state().settings.IgraNaVremya = 0;
        prompts_->files = {file};
        prompts_->answers = {true};
        w.MenuWeb->trigger();
        QVERIFY(smek::readTextFile(file.toStdString()).content.find("\"clock\":0,") != std::string::npos);
    }

    void printGoesThroughThePrintDialog() {
        frmSlovolov& w = start();
        // Cancelled: nothing printed, nothing said.
        prompts_->answers = {true};
        w.MenuPrint->trigger();
        QCOMPARE(prompts_->asked.last().kind, QStringLiteral("print"));
        QCOMPARE(prompts_->asked.last().text, QStringLiteral("Словолов"));
        QCOMPARE(prompts_->texts().size(), 1);
        // A printer chosen (a PDF file stands for it here).
        const QString out = smek::qPath(*dir_) + QStringLiteral("/printer.pdf");
        prompts_->answers = {true};
        prompts_->printers = {out};
        w.MenuPrint->trigger();
        const Pdf pdf = readPdf(out);
        QCOMPARE(pdf.pages, 2);
        QCOMPARE(pdf.mediaBoxes.first(), QStringLiteral("0 0 595 842"));
    }

    void printingWaitsForAWholeBoard() {
        w_ = test::openWindow(*prompts_, *dir_, Settings{}, 3);
        QVERIFY(!w_->MenuPrint->isEnabled() && !w_->MenuPdf->isEnabled());
        for (const char* name : {"/Data/Ещё.3", "/Data/Слова.3"}) fs::remove(dir_->path().string() + name);
        w_->NewGame(0); // "База данных слов не найдена": a half-dealt board
        QVERIFY(!w_->MenuPrint->isEnabled() && !w_->MenuPdf->isEnabled());
    }
};

QTEST_MAIN(PlayAidsTest)
#include "PlayAidsTest.moc"
