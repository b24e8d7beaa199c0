// SPDX-License-Identifier: GPL-3.0-or-later
// Offscreen tests of "Своя головоломка…": the dialog's refusals, an own
// puzzle won by clicks, its list file and printing it.
#include "WindowFolder.h"
#include "common/ui/Text.h"
#include "common/ui/frmEnd.h"
#include "slovolov/core/Resume.h"
#include "slovolov/ui/OwnPuzzleDialog.h"
#include "slovolov/ui/PrintBoard.h"
#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"

#include <QtTest>
#include <filesystem>
#include <fstream>

using namespace smek::slovolov;
namespace fs = std::filesystem;

class OwnPuzzleWindowTest : public QObject, test::WindowCase {
    Q_OBJECT

private:
    int wins_ = 0;

    frmSlovolov& start() {
        w_ = test::openWindow(*prompts_, *dir_, Settings{}, 7);
        w_->NewGame(0);
        return *w_;
    }
    const GameState& g() const { return w_->state(); }
    // Opens the dialog and fills it; `then` acts in it (clicks Играть by default).
    void own(const QString& title, const QString& words, int sizeIndex = 0, bool all = false,
             const std::function<void(OwnPuzzleDialog&)>& then = {}) {
        prompts_->onModal = [&](QDialog& d) {
            auto* dialog = qobject_cast<OwnPuzzleDialog*>(&d);
            QVERIFY(dialog);
            QVERIFY(dialog->kIgrat->isDefault()); // Enter plays
            dialog->txtTitle->setText(title);
            dialog->txtWords->setPlainText(words);
            dialog->cmbSize->setCurrentIndex(sizeIndex);
            dialog->chAllDirections->setChecked(all);
            if (then) then(*dialog);
            else dialog->kIgrat->click();
        };
        w_->MenuOwn->trigger();
        prompts_->onModal = [this](QDialog& d) {
            if (auto* end = qobject_cast<smek::frmEnd*>(&d); end && end->banner().text == "ПОБЕДА!!!") ++wins_;
        };
    }
    void clickCell(int x, int y) {
        const int b = w_->picControl->borderWidth();
        QTest::mouseClick(w_->picControl, Qt::LeftButton, {},
                          QPoint(b + x * g().CellSize + g().CellSize / 2, b + y * g().CellSize + g().CellSize / 2));
    }
    fs::path path(const char* name) const { return dir_->path() / name; }

private slots:
    void init() {
        setUp();
        wins_ = 0;
    }
    void cleanup() { tearDown(); }

    // The printed board at 100 dots an inch: a ruled 20 x 20 grid of fine
    // lines in a thicker frame, and its widest capitals narrowed to leave a
    // tenth of the cell clear on each side.
    void printedBoardIsRuledAndItsWideLettersKeepClear() {
        PrintSheet sheet;
        sheet.GridMax = 19;
        for (const char* w : {"КОТ", "ЛИСА", "ЁЖ", "ДОМ", "ЖУК", "ШАР"}) sheet.words.push_back(smek::utf8ToCp1251(w));
        for (int k = 0; k < 400; ++k) sheet.letters.push_back(smek::letterPosition(smek::utf8ToCp1251("ЖШЩЮЫМ").substr(k % 6, 1)[0]));
        const auto page = [](const PrintSheet& s) {
            QImage image(749, 1040, QImage::Format_RGB32); // 180 x 254 mm and a margin
            image.fill(Qt::white);
            QPainter p(&image);
            p.translate(20, 20);
            drawPuzzlePage(p, QRect(0, 0, 709, 1000), s, false);
            return image;
        };
        PrintSheet empty = sheet;
        std::fill(empty.letters.begin(), empty.letters.end(), 0);
        const QImage lined = page(empty), lettered = page(sheet);
        const auto dark = [](const QImage& im, int x, int y) { return qGray(im.pixel(x, y)) < 128; };
        // The lines met along a row or a column through the board: where each starts, and its width.
        const auto lines = [&](bool alongRow, int at, int from) {
            QList<QPair<int, int>> runs;
            for (int k = from, run = 0; k < (alongRow ? lined.width() : lined.height()); ++k) {
                if (alongRow ? dark(lined, k, at) : dark(lined, at, k)) ++run;
                else if (run) runs.append({k - run, std::exchange(run, 0)});
            }
            return runs;
        };
        int top = 100; // the frame's top: the first row dark right across, below the title
        while (!(dark(lined, 391, top) && dark(lined, 550, top) && dark(lined, 700, top))) ++top;
        const auto columns = lines(true, top + 17, 0);
        const auto rows = lines(false, columns[0].first + 17, top - 1).mid(0, 21); // the list below has text
        QCOMPARE(columns.size(), 21);
        // Six short words: three columns of the list under the board.
        bool thirdColumn = false;
        for (int y = rows.last().first + rows.last().second + 1; y < lined.height(); ++y)
            for (int x = 20 + 709 * 2 / 3; x < 20 + 709; ++x) thirdColumn = thirdColumn || dark(lined, x, y);
        QVERIFY(thirdColumn);
        for (const auto& ruled : {columns, rows}) {
            QVERIFY(ruled.first().second >= 2 && ruled.last().second >= 2); // the frame
            for (qsizetype k = 1; k < 20; ++k) QCOMPARE(ruled[k].second, 1);
        }
        for (qsizetype cx = 0; cx < 20; ++cx)
            for (qsizetype cy = 0; cy < 20; ++cy) {
                const int left = columns[cx].first + columns[cx].second, right = columns[cx + 1].first;
                const QRect cell(left, rows[cy].first + rows[cy].second, right - left, rows[cy + 1].first - rows[cy].first - rows[cy].second);
                QRect ink;
                for (int y = cell.top(); y <= cell.bottom(); ++y)
                    for (int x = cell.left(); x <= cell.right(); ++x)
                        if (lettered.pixel(x, y) != lined.pixel(x, y)) ink |= QRect(x, y, 1, 1);
                QVERIFY(!ink.isEmpty());
                QVERIFY2(ink.left() - cell.left() >= cell.width() / 10 - 1 && cell.right() - ink.right() >= cell.width() / 10 - 1,
                         qPrintable(QStringLiteral("cell %1,%2").arg(cx).arg(cy)));
            }
    }

    void refusalsNameTheWordsAndChangeNothing() {
        start();
        const GameState before = g();
        own(QStringLiteral("Т"), QStringLiteral("осень, лист0пад\nя"));
        QCOMPARE(prompts_->texts().size(), 1);
        QCOMPARE(prompts_->texts().last(), QStringLiteral("Слова должны быть из 2..20 русских букв, каждое один раз:\n"
                                                          "Строка 1: «лист0пад» - в слове не только русские буквы\n"
                                                          "Строка 2: «я» - слово короче 2 букв"));
        own(QStringLiteral("Т"), QStringLiteral("одноклассник ёж"));
        QCOMPARE(prompts_->texts().last(),
                 QStringLiteral("На поле 10×10 помещаются слова не длиннее 9 букв. Не помещаются: ОДНОКЛАССНИК."));
        own(QStringLiteral("Т"), QString());
        QCOMPARE(prompts_->texts().last(), QStringLiteral("В списке нет ни одного слова."));
        // No question about the game in play came: it stays as it was, and no list is remembered.
        QCOMPARE(prompts_->texts().size(), 3);
        QCOMPARE(g().Slova, before.Slova);
        QCOMPARE(g().cells, before.cells);
        QVERIFY(!g().own);
        QVERIFY(!fs::exists(rememberedListFile(smek::testPlaces(data()))));
        // The question before the game is lost, answered No, keeps it too.
        prompts_->answers = {false};
        own(QStringLiteral("Т"), QStringLiteral("осень"));
        QVERIFY(prompts_->texts().last().startsWith(QStringLiteral("Начатая игра будет потеряна.")));
        QCOMPARE(g().Slova, before.Slova);
    }

    void anOwnPuzzleIsWonByClicks() {
        start();
        own(QStringLiteral("Осень"), QStringLiteral("осень, листопад\nжуравль\nёж"), 1, true);
        QVERIFY(g().own);
        QCOMPARE(g().GridMax, 14);
        QCOMPARE(g().Slova.size(), size_t{4});
        QCOMPARE(smek::fromCp1251(g().Slova[0]), QStringLiteral("ЛИСТОПАД"));
        QVERIFY(w_->lblTitle->isVisible());
        QCOMPARE(w_->lblTitle->text(), QStringLiteral("Осень"));
        QCOMPARE(w_->lblNaideno->text(), QStringLiteral("Найдено: 0 из 4"));
        for (int i = 0; i <= g().NumWords; ++i) {
            const auto r = g().Recs[static_cast<size_t>(i)];
            clickCell(r[0], r[1]);
            clickCell(r[2], r[3]);
        }
        QCOMPARE(wins_, 1);
        QCOMPARE(g().Remain, -1);
        QVERIFY(!w_->tmTimer->isActive());
        QVERIFY(!w_->tmNewBukvy->isActive());
        // The list is remembered for the next time, and the dialog opens with it.
        own(QString(), QString(), 0, false, [](OwnPuzzleDialog&) {});
        smek::OwnList kept = rememberedList(smek::testPlaces(data()));
        QCOMPARE(kept.title, std::string("Осень"));
        QCOMPARE(kept.words.size(), size_t{4});
        prompts_->onModal = [](QDialog& d) {
            auto* dialog = qobject_cast<OwnPuzzleDialog*>(&d);
            QCOMPARE(dialog->txtTitle->text(), QStringLiteral("Осень"));
            QCOMPARE(dialog->txtWords->toPlainText(), QStringLiteral("ОСЕНЬ\nЛИСТОПАД\nЖУРАВЛЬ\nЁЖ"));
        };
        w_->MenuOwn->trigger();
        // A new dealt game has no title.
        w_->NewGame(0);
        QVERIFY(!g().own);
        QVERIFY(w_->lblTitle->isHidden());
    }

    void aTimedOwnPuzzleIsLostWhenTheClockRunsOut() {
        Settings timed;
        timed.IgraNaVremya = 1;
        timed.VremyaSec = 2;
        timed.ZamenaBukv = 1;
        w_ = test::openWindow(*prompts_, *dir_, timed, 7);
        own(QStringLiteral("Т"), QStringLiteral("кот пёс"));
        QVERIFY(w_->tmTimer->isActive());
        QCOMPARE(w_->lblTimer->text(), QStringLiteral("00:02"));
        const auto r = g().Recs[0];
        clickCell(r[0], r[1]);
        clickCell(r[2], r[3]);
        QVERIFY(w_->tmNewBukvy->isActive()); // the refill as in a dealt game
        w_->NewTime();
        w_->NewTime();
        QCOMPARE(g().Remain, 0);
        w_->NewTime(); // 00:00 and a tick more: lost
        QCOMPARE(g().Remain, -1);
        QVERIFY(!w_->tmTimer->isActive());
        QVERIFY(!w_->tmNewBukvy->isActive());
        QVERIFY(!w_->picControl->isEnabled());
    }

    void savingAGameOnlyWhereTheWordsAreTheLevelsSlots() {
        start();
        own(QStringLiteral("Т"), QStringLiteral("кот пёс"));
        prompts_->files = {QString::fromStdString(path("own.slv").string())};
        w_->MenuSave[1]->trigger();
        QVERIFY(prompts_->texts().last().startsWith(QStringLiteral("Головоломку из своих слов можно сохранить как игру")));
        QVERIFY(prompts_->fileRequests.isEmpty());
        QVERIFY(!fs::exists(path("own.slv")));
        // Nor is it kept for the next start: closing asks first, and No keeps the window.
        prompts_->answers = {false};
        QVERIFY(!w_->close());
        QVERIFY(prompts_->texts().last().startsWith(QStringLiteral("Начатая игра будет потеряна.")));
        QVERIFY(!fs::exists(fs::path(data()) / kResumeFile));
        // Level 1's lengths: saved, and opened again as a game of that level.
        own(QStringLiteral("Т"), QStringLiteral("журавль урожай осень лист гриб ёжи"));
        prompts_->files = {QString::fromStdString(path("own.slv").string())};
        w_->MenuSave[1]->trigger();
        QVERIFY(fs::exists(path("own.slv")));
        const std::vector<std::string> words = g().Slova;
        w_->NewGame(0);
        prompts_->answers = {true};
        w_->OpenNamedFile(QString::fromStdString(path("own.slv").string()));
        QCOMPARE(g().Slova, words);
    }

    void theListFileIsWrittenAndReadBack() {
        start();
        own(QStringLiteral("Семья"), QStringLiteral("мама, папа, бабушка"), 0, false, [&](OwnPuzzleDialog& d) {
            prompts_->files = {QString::fromStdString(path("семья").string())};
            d.kSohranitSpisok->click();
            QCOMPARE(prompts_->fileRequests.last().proposedName, QStringLiteral("Семья"));
        });
        std::ifstream in(path("семья.txt"));
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QCOMPARE(text, std::string("Семья\nМАМА\nПАПА\nБАБУШКА\n"));
        // Read back, with a word to mend shown in the box and named.
        std::ofstream(path("class.txt")) << "\xEF\xBB\xBF" "Класс\r\nручка\r\nпен4л\r\n";
        own(QString(), QString(), 0, false, [&](OwnPuzzleDialog& d) {
            prompts_->files = {QString::fromStdString(path("class.txt").string())};
            d.kOtkrytSpisok->click();
            QCOMPARE(d.txtTitle->text(), QStringLiteral("Класс"));
            QCOMPARE(d.txtWords->toPlainText(), QStringLiteral("ручка\nпен4л"));
            QVERIFY(prompts_->texts().last().endsWith(QStringLiteral("Строка 2: «пен4л» - в слове не только русские буквы")));
        });
        // Not a text at all: the file message, the fields as they were.
        std::ofstream(path("picture.txt"), std::ios::binary) << std::string("\x89PNG\r\n\x1A\n\0\0\0\0", 12);
        own(QString(), QString(), 0, false, [&](OwnPuzzleDialog& d) {
            d.txtTitle->setText(QStringLiteral("Было"));
            prompts_->files = {QString::fromStdString(path("picture.txt").string())};
            d.kOtkrytSpisok->click();
            QVERIFY(prompts_->texts().last().endsWith(QStringLiteral("не подходит к программе.")));
            QCOMPARE(d.txtTitle->text(), QStringLiteral("Было"));
        });
    }

    void anOwnPuzzlePrintsUnderItsTitle() {
        start();
        own(QStringLiteral("Осень: 3 класс"), QStringLiteral("осень листопад"), 2);
        prompts_->answers = {true};
        prompts_->files = {QString::fromStdString(path("out").string())};
        w_->MenuPdf->trigger();
        QCOMPARE(prompts_->fileRequests.last().proposedName, QStringLiteral("Осень_ 3 класс.pdf"));
        std::ifstream in(path("out.pdf"), std::ios::binary);
        const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QVERIFY(pdf.rfind("%PDF", 0) == 0);
        size_t pages = 0;
        for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
            pages += pdf.compare(at, 12, "/Type /Pages") != 0;
        QCOMPARE(pages, size_t{2});
    }
};

QTEST_MAIN(OwnPuzzleWindowTest)
#include "OwnPuzzleWindowTest.moc"
