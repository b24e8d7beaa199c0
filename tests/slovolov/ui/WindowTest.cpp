// SPDX-License-Identifier: GPL-3.0-or-later
// Offscreen tests of the word-search windows: board pixels, the word list,
// the level dialog, the end banner, saved games, look-up, settings on close.
#include "LayoutFaults.h"
#include "QtFolder.h"
#include "TimerTick.h"
#include "WindowFolder.h"
#include "common/core/Cp1251.h"
#include "common/core/TextFile.h"
#include "common/ui/Text.h"
#include "common/ui/frmEnd.h"
#include "slovolov/core/Lookup.h"
#include "slovolov/core/SavedGame.h"
#include "slovolov/ui/frmSlovolovSelLevel.h"

#include <QClipboard>
#include <QLineEdit>
#include <QtTest>
#include <filesystem>

using namespace smek::slovolov;
namespace fs = std::filesystem;

class WindowTest : public QObject, test::WindowCase {
    Q_OBJECT

private:
    frmSlovolov& start(Settings settings = {}, std::uint64_t seed = 7, const std::string& own = {}) {
        w_ = test::openWindow(*prompts_, *dir_, settings, seed, own);
        QApplication::processEvents();
        w_->NewGame(0);
        return *w_;
    }
    // A click on the middle of a board cell.
    void clickCell(int x, int y) {
        const GameState& g = w_->state();
        const int b = w_->picControl->borderWidth();
        QTest::mouseClick(w_->picControl, Qt::LeftButton, {},
                          QPoint(b + x * g.CellSize + g.CellSize / 2, b + y * g.CellSize + g.CellSize / 2));
    }
    void findWord(int i) {
        const auto& r = w_->state().Recs[static_cast<size_t>(i)];
        clickCell(r[0], r[1]);
        clickCell(r[2], r[3]);
    }
    QRgb pixel(int x, int y) const { return w_->picControl->image().pixel(x, y) & 0xFFFFFF; }
    // Pixels of a cell's inside that are not the colour.
    int otherPixels(int cx, int cy, QRgb colour) const {
        const int s = w_->state().CellSize;
        int n = 0;
        for (int y = cy * s + 1; y <= cy * s + s - 1; ++y)
            for (int x = cx * s + 1; x <= cx * s + s - 1; ++x) n += pixel(x, y) != colour;
        return n;
    }
    int modalsOf(const QString& cls) const {
        int n = 0;
        for (const auto& a : prompts_->asked) n += a.kind == QStringLiteral("modal") && a.text == cls;
        return n;
    }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void firstGameLayout() {
        frmSlovolov& w = start();
        QCOMPARE(w.windowTitle(), QStringLiteral("Смекалия - Словолов"));
        QCOMPARE(w.client->size(), QSize(723, 494)); // no empty band under the menu bar
        QCOMPARE(w.picControl->size(), QSize(405, 405));
        QCOMPARE(w.picControl->geometry().topLeft(), QPoint(312, 48));
        QVERIFY(w.picControl->isEnabled());
        QVERIFY(w.MenuEndGame->isEnabled());
        QVERIFY(!w.lblTimer->isVisible());
        const std::pair<QAction*, QKeySequence> keys[] = {
            {w.MenuNewGame, Qt::Key_F4},
            {w.MenuSelLevel, Qt::Key_F6},
            {w.MenuEndGame, Qt::Key_F8},
            {w.MenuOwn, Qt::CTRL | Qt::Key_N},
            {w.MenuOpen, Qt::CTRL | Qt::Key_O},
            {w.MenuSave[0], Qt::CTRL | Qt::Key_S},
            {w.MenuPrint, Qt::CTRL | Qt::Key_P},
        };
        for (const auto& [action, key] : keys) QCOMPARE(action->shortcut(), key);
        // Grid lines: black at every cell's top and left line.
        QCOMPARE(QList({pixel(40, 17), pixel(17, 40)}), QList<QRgb>({0x000000, 0x000000}));
        // Every cell holds its letter: ink on the white inside.
        for (int y = 0; y <= w.state().GridMax; ++y)
            for (int x = 0; x <= w.state().GridMax; ++x) QVERIFY(otherPixels(x, y, kWhite) > 0);
        // List rows: a red ball at (2, 20 i), row text from x = 25.
        const QRgb ball = w.picBox->image().pixel(11, 20 * 3 + 9);
        QVERIFY(qRed(ball) > 150 && qGreen(ball) < 100);
        // Its rim smoothed: the outermost pixel half the shade, half the white.
        const QRgb rim = w.picBox->image().pixel(2 + 1, 20 * 3 + 9);
        QVERIFY(qRed(rim) > 200 && qGreen(rim) > 90 && qGreen(rim) < 180);
    }

    void clickTurnsExactlyThatCellGreen() {
        frmSlovolov& w = start();
        const auto& r = w.state().Recs[0];
        clickCell(r[0], r[1]);
        QCOMPARE(w.state().Marked, 1);
        const int s = w.state().CellSize;
        // The inside corners are green; the grid lines around stay black.
        QCOMPARE(pixel(r[0] * s + 1, r[1] * s + 1), kGreen);
        QCOMPARE(pixel(r[0] * s + s - 1, r[1] * s + s - 1), kGreen);
        QCOMPARE(pixel(r[0] * s, r[1] * s + s / 2), QRgb(0x000000));
        // The letter is still drawn on top: some inside pixels are not green.
        QVERIFY(otherPixels(r[0], r[1], kGreen) > 0);
        // Every other cell's inside corner is still white.
        for (int y = 0; y <= w.state().GridMax; ++y)
            for (int x = 0; x <= w.state().GridMax; ++x)
                if (x != r[0] || y != r[1]) QCOMPARE(pixel(x * s + 1, y * s + 1), kWhite);
    }

    void foundWordEmptiesCellsAndTurnsItsBallGreen() {
        frmSlovolov& w = start();
        findWord(2);
        QCOMPARE(w.state().Found[2], 1);
        QCOMPARE(w.state().Remain, w.state().NumWords - 1);
        for (const Cell& c : w.state().wordCells(2)) QCOMPARE(otherPixels(c.x, c.y, kWhite), 0);
        const QRgb ball = w.picBox->image().pixel(11, 20 * 2 + 9);
        QVERIFY(qGreen(ball) > 120 && qRed(ball) < 100);
        QVERIFY(!w.tmNewBukvy->isActive()); // refilling is off
        // The list row struck through, and clean again in the next game.
        const auto longestDarkRun = [&w](int row) {
            const QImage& list = w.picBox->image();
            int longest = 0;
            for (int y = 20 * row; y < 20 * row + 20; ++y)
                for (int x = 25, run = 0; x < list.width(); ++x) longest = std::max(longest, run = qGray(list.pixel(x, y)) < 80 ? run + 1 : 0);
            return longest;
        };
        QVERIFY(longestDarkRun(2) >= 30);
        w.NewGame(0);
        QVERIFY(longestDarkRun(2) < 30);
    }

    void refillPaintsNewLetters() {
        Settings s;
        s.ZamenaBukv = 1;
        frmSlovolov& w = start(s);
        findWord(1);
        QVERIFY(w.tmNewBukvy->isActive());
        QCOMPARE(w.tmNewBukvy->interval(), 2000);
        findWord(0);
        smek::expire(w.tmNewBukvy); // the timer's one expiry
        QVERIFY(!w.tmNewBukvy->isActive());
        // Word 1, the earlier find within the delay, is refilled too (the design left it blank).
        for (int word : {0, 1})
            for (const Cell& c : w.state().wordCells(word)) {
                QVERIFY2(w.state().Grid(c.x, c.y) < 0, qPrintable(QString::number(word)));
                QVERIFY2(otherPixels(c.x, c.y, kWhite) > 0, qPrintable(QString::number(word))); // a letter is drawn
            }
    }

    void lastFindShowsTheWinBanner() {
        frmSlovolov& w = start();
        int banners = 0;
        prompts_->onModal = [&](QDialog& d) {
            auto* end = qobject_cast<smek::frmEnd*>(&d);
            QVERIFY(end);
            QCOMPARE(end->banner().text, std::string("ПОБЕДА!!!"));
            ++banners;
        };
        for (int i = 0; i <= w.state().NumWords; ++i) findWord(i);
        QCOMPARE(QList({banners, w.Proigrysh, w.state().Remain}), QList({1, 0, -1}));
        QVERIFY(!w.picControl->isEnabled());
        QVERIFY(!w.MenuEndGame->isEnabled());
        // "Новая игра" now starts without asking.
        prompts_->asked.clear();
        w.MenuNewGame_Click();
        QVERIFY(prompts_->texts().isEmpty());
        QCOMPARE(w.state().Remain, w.state().NumWords);
    }

    // The last find stops the refill and the clock: no letters appear on the
    // won board, no tick can lose it; until then "Новая игра" asks.
    void theLastFindStopsRefillAndClock() {
        Settings s{.ZamenaBukv = 1, .IgraNaVremya = 1, .VremyaMin = 1};
        frmSlovolov& w = start(s);
        QCOMPARE(w.tmTimer->interval(), 1000);
        for (int i = 0; i < w.state().NumWords; ++i) findWord(i);
        QCOMPARE(w.state().Remain, 0); // one word left
        prompts_->answers = {false};
        w.MenuNewGame_Click();
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Начать новую игру?"));
        QVERIFY(w.tmNewBukvy->isActive());
        findWord(w.state().NumWords);
        QCOMPARE(modalsOf(QStringLiteral("smek::frmEnd")), 1);
        QCOMPARE(QList({w.tmNewBukvy->isActive(), w.tmTimer->isActive()}), QList({false, false}));
        const auto cells = w.state().cells;
        QTest::qWait(0);
        QCOMPARE(w.state().cells, cells);
        QCOMPARE(w.lblTimer->text(), QStringLiteral("01:00"));
    }

    void timedGameShowsTheClockAndLosesAfterZero() {
        Settings s{.IgraNaVremya = 1, .VremyaSec = 2};
        frmSlovolov& w = start(s);
        for (const auto& [name, clock] : {std::pair<const char*, QWidget*>{"lblTimer", w.lblTimer}, {"lbVremya", w.lbVremya}}) {
            QVERIFY2(clock->isVisible(), name);
            QVERIFY2(w.client->rect().contains(clock->geometry()), name);
        }
        QVERIFY(!w.lblTimer->geometry().intersects(w.Label1->geometry()));
        QVERIFY(!w.lblTimer->geometry().intersects(w.picControl->geometry()));
        QVERIFY(w.tmTimer->isActive());
        QStringList shown{w.lblTimer->text()};
        for (int tick = 0; tick < 2; ++tick) { smek::expire(w.tmTimer); shown << w.lblTimer->text(); }
        QCOMPARE(shown, QStringList({QStringLiteral("00:02"), QStringLiteral("00:01"), QStringLiteral("00:00")}));
        QCOMPARE(modalsOf(QStringLiteral("smek::frmEnd")), 0);
        smek::expire(w.tmTimer);
        QCOMPARE(QList({modalsOf(QStringLiteral("smek::frmEnd")), w.Proigrysh}), QList({1, 1}));
        QVERIFY(!w.tmTimer->isActive());
        for (int v : w.state().cells) QVERIFY(v >= 0); // the filler letters vanished
    }

    void giveUpAsksThenClearsFillers() {
        frmSlovolov& w = start();
        prompts_->answers = {false};
        w.MenuEndGame_Click();
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Хотите сдаться и увидеть расположение слов?"));
        QVERIFY(std::any_of(w.state().cells.begin(), w.state().cells.end(), [](int v) { return v < 0; }));
        w.MenuEndGame_Click();
        QVERIFY(std::none_of(w.state().cells.begin(), w.state().cells.end(), [](int v) { return v < 0; }));
        QVERIFY(w.picControl->isEnabled());
        // New game asks while a game is in play; No changes nothing.
        prompts_->answers = {false};
        const auto cells = w.state().cells;
        w.MenuNewGame_Click();
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Начать новую игру?"));
        QCOMPARE(w.state().cells, cells);
    }

    void levelDialogValidatesAndStartsTheLevel() {
        frmSlovolov& w = start();
        QStringList steps;
        prompts_->onModal = [&](QDialog& d) {
            auto* dlg = qobject_cast<frmSlovolovSelLevel*>(&d);
            QVERIFY(dlg);
            QCOMPARE(smek::test::layoutFaults(*dlg), QStringList());
            QCOMPARE(dlg->kUroven[0]->accessibleName(), QStringLiteral("1 уровень: Поле 10x10, количество слов 6"));
            QCOMPARE(dlg->kUroven[2]->accessibleName(), QStringLiteral("3 уровень: Поле 20x20, количество слов 20"));
            QCOMPARE(dlg->txtMin->currentText(), QStringLiteral("0"));
            QVERIFY(!dlg->txtMin->isEnabled());
            dlg->chTime->click();
            QVERIFY(dlg->txtMin->isEnabled() && dlg->txtSec->isEnabled());
            dlg->kUroven[1]->click();
            steps << prompts_->texts().value(prompts_->texts().size() - 1);
            dlg->txtSec->setEditText(QStringLiteral("60"));
            dlg->kUroven[1]->click();
            steps << prompts_->texts().last();
            dlg->txtSec->setEditText(QStringLiteral("59"));
            dlg->txtMin->setEditText(QStringLiteral("60"));
            dlg->kUroven[1]->click();
            steps << prompts_->texts().last();
            QCOMPARE(frmSlovolovSelLevel::leadingNumber(QStringLiteral(" 45 сек")), 45);
            dlg->txtMin->lineEdit()->clear();
            // Keys go to the combo box, which has the focus, as on a real display.
            QTest::keyClicks(dlg->txtMin, QStringLiteral("a-7x5"));
            QCOMPARE(dlg->txtMin->currentText(), QStringLiteral("75"));
            QTest::keyClick(dlg->txtMin, Qt::Key_Backspace);
            QCOMPARE(dlg->txtMin->currentText(), QStringLiteral("7"));
            dlg->chNewBukvy->setChecked(true);
            dlg->kUroven[1]->click();
        };
        w.MenuSelLevel_Click();
        QCOMPARE(steps, QStringList({QStringLiteral("Вы не установили время игры"),
                                     QStringLiteral("Максимальное количество минут или секунд - 59"),
                                     QStringLiteral("Максимальное количество минут или секунд - 59")}));
        const Settings& s = w.state().settings;
        QCOMPARE(QList({s.Level, s.ZamenaBukv, s.IgraNaVremya, s.VremyaMin, s.VremyaSec}), QList({1, 1, 1, 7, 59}));
        QCOMPARE(w.state().CellSize, 26);
        QCOMPARE(w.picControl->size(), QSize(395, 395));
        QCOMPARE(w.lblTimer->text(), QStringLiteral("07:59"));
        // Отмена changes nothing.
        prompts_->onModal = [&](QDialog& d) {
            auto* dlg = qobject_cast<frmSlovolovSelLevel*>(&d);
            dlg->chTime->click();
            QSignalSpy closed(dlg, &QDialog::rejected);
            dlg->kOtmena->click();
            QCOMPARE(closed.count(), 1);
        };
        const auto cells = w.state().cells;
        w.MenuSelLevel_Click();
        QCOMPARE(w.state().settings.IgraNaVremya, 1);
        QCOMPARE(w.state().cells, cells);
    }

    void levelDialogTypingTabPasteAndFocus() {
        frmSlovolov& w = start();
        prompts_->onModal = [&](QDialog& d) {
            auto* dlg = qobject_cast<frmSlovolovSelLevel*>(&d);
            dlg->show();
            // As exec() would: the dialog is the active window, so its line
            // edits complete typed text as on a display.
            QApplication::setActiveWindow(dlg);
            // Keys go where a display sends them: to the dialog's focus widget.
            const auto focus = [dlg] { return dlg->focusWidget(); };
            const auto type = [&](const QString& keys) { QTest::keyClicks(focus(), keys); };
            // Enter on the control that has the focus must not replace the game.
            QCOMPARE(focus(), dlg->kOtmena);
            QVERIFY(dlg->kOtmena->isDefault());
            dlg->chTime->click();
            dlg->txtMin->setFocus();
            dlg->txtMin->lineEdit()->clear();
            type(QStringLiteral("0"));
            // Tab leaves the minutes for the seconds.
            QTest::keyClick(focus(), Qt::Key_Tab);
            QCOMPARE(focus(), dlg->txtSec);
            dlg->txtSec->lineEdit()->selectAll();
            type(QStringLiteral("5")); // stays 5, not the listed 50
            QCOMPARE(dlg->txtSec->currentText(), QStringLiteral("5"));
            QTest::keyClick(focus(), Qt::Key_Backtab);
            QCOMPARE(focus(), dlg->txtMin);
            // Pasted text keeps only its digits.
            QGuiApplication::clipboard()->setText(QStringLiteral("-1 мин"));
            dlg->txtMin->lineEdit()->selectAll();
            dlg->txtMin->lineEdit()->paste();
            QCOMPARE(dlg->txtMin->currentText(), QStringLiteral("1"));
            dlg->kUroven[0]->click();
        };
        w.MenuSelLevel_Click();
        QCOMPARE(QList({w.state().settings.VremyaMin, w.state().settings.VremyaSec}), QList({1, 5}));
        QCOMPARE(w.lblTimer->text(), QStringLiteral("01:05"));
        // Enter in the dialog, away from the level buttons, is "Отмена": the game in play stays.
        const auto cells = w.state().cells;
        prompts_->onModal = [&](QDialog& d) {
            d.show();
            auto* check = qobject_cast<frmSlovolovSelLevel*>(&d)->chNewBukvy;
            check->setFocus();
            QTest::keyClick(check, Qt::Key_Return);
            QVERIFY(d.isHidden()); // closed by the default button
            QCOMPARE(d.result(), int(QDialog::Rejected));
        };
        w.MenuSelLevel_Click();
        QCOMPARE(w.state().cells, cells);
    }

    void saveOpenAndRefusals() {
        Settings timed{.IgraNaVremya = 1, .VremyaMin = 2, .VremyaSec = 5};
        frmSlovolov& w = start(timed);
        findWord(3);
        const QString base = smek::qPath(*dir_) + QStringLiteral("/партия");
        prompts_->files = {base};
        w.SaveFileDialog(0);
        QCOMPARE(prompts_->fileRequests.last().save, true);
        QCOMPARE(prompts_->fileRequests.last().filters.first(), QStringLiteral("Словолов (*.slv)"));
        const std::string saved = smek::readTextFile((base + QStringLiteral(".slv")).toStdString()).content;
        QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), 154);
        QCOMPARE(QString::fromStdString(w.state().FileName), base + QStringLiteral(".slv"));
        const GameState before = w.state();

        // A new game at level 2, then open the saved one.
        w.state().settings.Level = 2;
        w.state().settings.IgraNaVremya = 0;
        w.NewGame(0);
        prompts_->files = {base};
        w.OpenFile();
        QCOMPARE(QList({w.state().level(), w.state().settings.IgraNaVremya}), QList({0, 1}));
        QCOMPARE(w.state().cells, before.cells);
        QCOMPARE(w.state().Found, before.Found);
        QCOMPARE(w.lblTimer->text(), QStringLiteral("02:05"));
        QCOMPARE(otherPixels(before.Recs[3][0], before.Recs[3][1], kWhite), 0); // found word stays empty
        QVERIFY(qGreen(w.picBox->image().pixel(11, 20 * 3 + 9)) > 120);
        // Save again: same file, no dialog, no question; the bytes are the same.
        const int dialogs = static_cast<int>(prompts_->fileRequests.size());
        w.SaveFileDialog(0);
        QCOMPARE(static_cast<int>(prompts_->fileRequests.size()), dialogs);
        QCOMPARE(smek::readTextFile((base + QStringLiteral(".slv")).toStdString()).content, saved);

        // Save as an existing other file: the question, No keeps it.
        const QString other = smek::qPath(*dir_) + QStringLiteral("/other.slv");
        smek::writeTextFileAtomic(other.toStdString(), "keep");
        prompts_->files = {other};
        prompts_->answers = {false};
        w.SaveFileDialog(1);
        QCOMPARE(prompts_->fileRequests.last().proposedName, QStringLiteral("партия.slv"));
        QCOMPARE(prompts_->asked.last().kind, QStringLiteral("question"));
        QVERIFY(prompts_->asked.last().noDefault);
        QVERIFY(prompts_->asked.last().text.endsWith(QStringLiteral("уже существует.\r\nЗаменить его?")));
        QCOMPARE(smek::readTextFile(other.toStdString()).content, std::string("keep"));

        // Refused files leave the game as it was.
        const auto cells = w.state().cells;
        const QString bad = smek::qPath(*dir_) + QStringLiteral("/bad.slv");
        smek::writeTextFileAtomic(bad.toStdString(), "[slovolov]\r\n 7 \r\n");
        prompts_->files = {bad, smek::qPath(*dir_) + QStringLiteral("/none.slv"), other};
        QStringList said;
        for (int i = 0; i < 3; ++i) {
            w.OpenFile();
            said << prompts_->texts().last();
        }
        const QString file = QStringLiteral("Файл \"");
        QCOMPARE(said, QStringList({file + bad + QStringLiteral("\" не подходит к программе."),
                                    file + smek::qPath(*dir_) + QStringLiteral("/none.slv\" не найден."),
                                    file + other + QStringLiteral("\" не подходит к программе.")}));
        QCOMPARE(w.state().cells, cells);
        QCOMPARE(w.state().level(), 0);

        // A folder that cannot be written: the save message.
        prompts_->files = {smek::qPath(*dir_) + QStringLiteral("/no/such/folder/x.slv")};
        w.SaveFileDialog(1);
        QVERIFY(prompts_->texts().last().endsWith(QStringLiteral("x.slv\" сохранить не возможно.")));
    }

    // A name from an old CP1251 archive opens, and saving writes back to it.
    void aNameThatIsNotUtf8OpensAndSavesBack() {
        frmSlovolov& w = start();
        const std::string path = dir_->path().string() + "/\xC8\xE3\xF0\xE0.slv"; // Игра in CP1251
        const std::string text = slvText(w.state());
        QVERIFY(!smek::writeTextFileAtomic(path, text));
        start({}, 9);
        prompts_->files = {smek::fromPath(path)};
        w_->OpenFile();
        QCOMPARE(prompts_->texts(), QStringList{QStringLiteral("Начатая игра будет потеряна. Продолжить?")});
        QCOMPARE(slvText(w_->state()), text);
        QCOMPARE(w_->state().FileName, path);
        findWord(0);
        w_->SaveFileDialog(0);
        QCOMPARE(prompts_->texts().size(), 1); // nothing more than the question above
        QCOMPARE(smek::readTextFile(path).content, slvText(w_->state()));
        fs::remove(path); // QTemporaryDir cannot see such a name to remove it
    }

    // A folder is no file to replace: no overwrite question, the save message.
    void savingOverAFolderAsksNothing() {
        frmSlovolov& w = start();
        const QString folder = smek::qPath(*dir_) + QStringLiteral("/партия.slv");
        fs::create_directory(folder.toStdString());
        prompts_->files = {folder};
        w.SaveFileDialog(1);
        QCOMPARE(prompts_->texts(), QStringList{QStringLiteral("Файл \"") + folder + QStringLiteral("\" сохранить не возможно.")});
        QCOMPARE(prompts_->asked.last().icon, smek::Prompts::Icon::Stop);
        QVERIFY(fs::is_directory(folder.toStdString()));
        QVERIFY(w.state().FileName.empty());
    }

    void oldGameTimersDoNotTouchTheOpenedGame() {
        frmSlovolov& w = start();
        const QString path = smek::qPath(*dir_) + QStringLiteral("/opened.slv");
        const std::string text = slvText(w.state());
        smek::writeTextFileAtomic(path.toStdString(), text);
        // A second game whose clock is at 00:00 and whose refill is due, both
        // ticking while the opened game is being shown.
        Settings timed{.ZamenaBukv = 1, .IgraNaVremya = 1, .VremyaSec = 1};
        start(timed, 8);
        findWord(0);
        w_->NewTime();
        w_->tmTimer->setInterval(0);
        w_->tmNewBukvy->setInterval(0);
        w_->tmNewBukvy->start();
        prompts_->files = {path};
        w_->OpenFile();
        QCOMPARE(modalsOf(QStringLiteral("smek::frmEnd")), 0);
        QCOMPARE(slvText(w_->state()), text);
    }

    void doubleClickLooksTheWordUp() {
        frmSlovolov& w = start();
        QTest::mouseClick(w.picBox, Qt::LeftButton, {}, QPoint(60, 20 * 1 + 10));
        QCOMPARE(w.ListRow, 1);
        w.picBox_DblClick();
        // The article opens directly: no page is written anywhere.
        QCOMPARE(prompts_->opened, QStringList{QString::fromStdString(lookupAddress(w.state().Slova[1]))});
        QVERIFY(!fs::exists(dir_->path().string() + "/pages"));
        // The last pixel row of the last word is that word; one below is nothing.
        const int b = w.picBox->borderWidth();
        QList<int> rows;
        for (int y : {b + 20 * 6 - 1, b + 20 * 6, 20 * 6 + 5}) {
            QTest::mouseClick(w.picBox, Qt::LeftButton, {}, QPoint(60, y));
            rows << w.ListRow;
        }
        QCOMPARE(rows, QList({5, -1, -1}));
        w.picBox_DblClick();
        QCOMPARE(prompts_->opened.size(), 1);
        // A desktop with nothing for web addresses gets a redirect page in
        // the player's private folder, and that page is opened.
        prompts_->openSucceeds = false;
        w.CodeText(w.state().Slova[0]);
        const QString page = smek::qPath(*dir_) + QStringLiteral("/pages/0.html");
        QCOMPARE(prompts_->opened.size(), 3);
        QCOMPARE(prompts_->opened.last(), page);
        QVERIFY(smek::readTextFile(page.toStdString()).content.find("url=" + lookupAddress(w.state().Slova[0]) + "'") !=
                std::string::npos);
    }

    void helpAndAboutAreModal() {
        frmSlovolov& w = start();
        w.HelpCallHelp->trigger();
        w.HelpAbout->trigger();
        QCOMPARE(modalsOf(QStringLiteral("smek::frmWeb")), 1);
        QCOMPARE(modalsOf(QStringLiteral("smek::frmOprog")), 1);
    }

    void closingWritesTheSettings() {
        Settings s{2, 1, 1, 3, 0};
        frmSlovolov& w = start(s);
        QCOMPARE(w.state().GridMax, 19);
        w.close();
        QCOMPARE(smek::readTextFile(data() + "Slovolov.ini").content, std::string(" 2 \r\n 1 \r\n 1 \r\n 3 \r\n 0 \r\n"));
    }

    void unopenableWordFileEndsTheProgramWithStatusOneAndNoSettings() {
        if (smek::runningAsRoot()) QSKIP(smek::kNeedsOrdinaryUser);
        for (const auto& f : fs::directory_iterator(data())) fs::permissions(f.path(), fs::perms::none);
        w_ = test::openWindow(*prompts_, *dir_, Settings{}, 7);
        QTimer::singleShot(0, w_.get(), [this] { w_->NewGame(0); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QVERIFY(prompts_->texts().last().endsWith(QStringLiteral("открыть не возможно.")));
        QVERIFY(!w_->isVisible());
        w_->close();
        QVERIFY(!fs::exists(data() + "Slovolov.ini"));
    }

    void installedWindowWritesSettingsAndFoldersPerUser() {
        const std::string own = dir_->path().string() + "/config/smekalia/";
        frmSlovolov& w = start(Settings{1, 0, 0, 0, 0}, 7, own);
        // The first dialog proposes the documents folder; the chosen folder is
        // proposed by the next one, for opening as for saving.
        const QString documents = smek::qPath(*dir_) + QStringLiteral("/documents");
        QDir().mkpath(documents);
        QDir().mkpath(smek::qPath(*dir_) + QStringLiteral("/игры"));
        prompts_->files = {smek::qPath(*dir_) + QStringLiteral("/игры/партия")};
        w.SaveFileDialog(1);
        QCOMPARE(prompts_->fileRequests.last().startFolder, documents);
        QVERIFY(QFileInfo::exists(smek::qPath(*dir_) + QStringLiteral("/игры/партия.slv")));
        prompts_->files = {QString()};
        w.OpenFile();
        QCOMPARE(prompts_->fileRequests.last().startFolder, smek::qPath(*dir_) + QStringLiteral("/игры"));
        w.close();
        QCOMPARE(smek::readTextFile(own + "Slovolov.ini").content, std::string(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"));
        QCOMPARE(QList({fs::exists(data() + "Slovolov.ini"), fs::exists(data() + "Folders.txt"), fs::exists(own + "Folders.txt")}),
                 QList({false, false, true}));
    }

    void namedFileOpensAsTheOpenCommandDoes() {
        frmSlovolov& w = start();
        const std::string before = slvText(w.state());
        const QString name = smek::qPath(*dir_) + QStringLiteral("/чужой");
        smek::writeTextFileAtomic((name + QStringLiteral(".slv")).toStdString(), "[slovoset]\r\n");
        w.OpenNamedFile(name); // the extension is added as after the dialog
        QCOMPARE(prompts_->texts().last(),
                 QStringLiteral("Файл \"") + name + QStringLiteral(".slv\" не подходит к программе."));
        QCOMPARE(slvText(w.state()), before);
        QVERIFY(prompts_->fileRequests.isEmpty()); // no dialog
    }

    void missingDatabaseLeavesTheBoardEmpty() {
        fs::remove(data() + "Слова.3");
        fs::remove(data() + "Ещё.3");
        frmSlovolov& w = start();
        QCOMPARE(prompts_->texts(),
                 QStringList{QStringLiteral("База данных слов не найдена\nНет файла со словами из 3 букв (*.3).")});
        QVERIFY(!w.picControl->isEnabled());
        QCOMPARE(w.state().Remain, w.state().NumWords);
        QCOMPARE(pixel(20, 20), kWhite); // no letters drawn
        QCOMPARE(w.picBox->image().pixel(11, 20 * 5 + 9) & 0xFFFFFF, QRgb(0xFFFFFF)); // five rows listed
        // That board cannot be saved: the player is told and nothing is written.
        QVERIFY(w.MenuSave[0]->isEnabled());
        const QString path = smek::qPath(*dir_) + QStringLiteral("/half.slv");
        prompts_->files = {path};
        w.SaveFileDialog(0);
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Игра построена не полностью, сохранить её не возможно."));
        QVERIFY(prompts_->fileRequests.isEmpty());
        QVERIFY(!fs::exists(path.toStdString()));
    }

    void aQuotedCommaIsRefusedAndTheGameStays() {
        frmSlovolov& w = start();
        std::string text = slvText(w.state());
        const std::string word = w.state().Slova[0];
        const size_t at = text.find("\r\n" + word + "\r\n") + 2;
        text.replace(at, word.size(), "\"" + word.substr(0, 3) + "," + word.substr(3) + "\"");
        const QString path = smek::qPath(*dir_) + QStringLiteral("/comma.slv");
        smek::writeTextFileAtomic(path.toStdString(), text);
        const std::string before = slvText(w.state());
        prompts_->files = {path};
        w.OpenFile();
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Файл \"") + path + QStringLiteral("\" не подходит к программе."));
        QCOMPARE(slvText(w.state()), before);
        QVERIFY(w.state().FileName.empty());
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
