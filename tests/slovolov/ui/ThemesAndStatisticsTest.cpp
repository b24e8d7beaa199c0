// SPDX-License-Identifier: GPL-3.0-or-later
// The word-search window's additions: the theme menu and the statistics.
#include "QtFolder.h"
#include "WindowFolder.h"
#include "common/core/Cp1251.h"
#include "common/core/TextFile.h"
#include "common/core/Themes.h"

#include <QtTest>
#include <filesystem>

using namespace smek::slovolov;
namespace fs = std::filesystem;

class ThemesAndStatisticsTest : public QObject, test::WindowCase {
    Q_OBJECT

private:

    // The player's own folder, apart from the data folder as in an installed game.
    std::string own() const { return dir_->path().string() + "/own/"; }
    fs::path themeFile() const { return own() + "slovolov-theme"; }
    fs::path statisticsFile() const { return own() + "slovolov-statistics"; }

    frmSlovolov& start(std::uint64_t seed = 7) {
        w_ = test::openWindow(*prompts_, *dir_, Settings{}, seed, own());
        QApplication::processEvents();
        w_->NewGame(0);
        return *w_;
    }
    QAction* themeAction(const QString& name) const {
        for (QAction* a : w_->MenuTema->themeActions)
            if (a->text() == name) return a;
        return nullptr;
    }
    // Marks every word not yet found by its first and last letter.
    void findAll() {
        const GameState& g = w_->state();
        for (int i = 0; i <= g.NumWords; ++i) {
            if (g.Found[static_cast<size_t>(i)] == 1) continue;
            const auto& r = g.Recs[static_cast<size_t>(i)];
            const int s = g.CellSize;
            w_->picControl_MouseUp(r[0] * s + s / 2, r[1] * s + s / 2);
            w_->picControl_MouseUp(r[2] * s + s / 2, r[3] * s + s / 2);
        }
    }
    smek::Statistics onDisk() const {
        return smek::parseStatistics(smek::readTextFile(statisticsFile()).content).value_or(smek::Statistics{});
    }
    QStringList statistikaRows(const std::function<void(smek::frmStatistika&)>& act = {}) {
        return prompts_->statistikaRows(w_->MenuStatistika, act);
    }
    bool hasThemeWords() const {
        const auto& s = w_->state().Slova;
        // Two four-letter slots take the theme's two words, each once.
        return s[2] == smek::w1251("БЕЛКА") && s[3] != s[4] &&
               (s[3] == smek::w1251("ЛИСА") || s[3] == smek::w1251("ЛОСЬ")) &&
               (s[4] == smek::w1251("ЛИСА") || s[4] == smek::w1251("ЛОСЬ"));
    }

private slots:
    void init() {
        setUp();
        const fs::path theme = fs::path(data()) / smek::kThemesFolder / "Животные";
        fs::create_directories(theme);
        QVERIFY(!smek::writeTextFileAtomic(theme / "Слова.4", " 2 \r\n" + smek::w1251("ЛИСА") + "\r\n" +
                                                                  smek::w1251("ЛОСЬ") + "\r\n"));
        QVERIFY(!smek::writeTextFileAtomic(theme / "Слова.5", " 1 \r\n" + smek::w1251("БЕЛКА") + "\r\n"));
        fs::create_directories(fs::path(data()) / smek::kThemesFolder / "Еда");
    }
    void cleanup() { tearDown(); }

    void themeMenuListsAllWordsAndTheThemes() {
        frmSlovolov& w = start();
        QCOMPARE(w.MenuTema->menu->title(), QStringLiteral("Тема"));
        // Between the game menu and the help menu.
        const QList<QAction*> menus = w.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[1]->text(), QStringLiteral("Тема"));
        QCOMPARE(menus[2]->text(), QStringLiteral("Справка"));
        QVERIFY(w.MenuTema->allWords->isChecked());
        QCOMPARE(w.MenuTema->themeActions.size(), 2);
        QCOMPARE(w.MenuTema->themeActions[0]->text(), QStringLiteral("Еда"));
        QVERIFY(!w.lblTema->isVisible());
        QVERIFY(!hasThemeWords());
    }

    void chosenThemeServesTheNextGameAndIsKeptForThePlayer() {
        frmSlovolov& w = start();
        const std::vector<std::string> before = w.state().Slova;
        themeAction(QStringLiteral("Животные"))->trigger();
        // The game in play keeps its words; the choice is kept at once.
        QCOMPARE(w.state().Slova, before);
        QCOMPARE(smek::readTextFile(themeFile()).content, std::string("Животные\n"));

        w.MenuNewGame_Click(); // "Начать новую игру?" answered Yes
        QVERIFY(hasThemeWords());
        QVERIFY(w.lblTema->isVisible());
        QCOMPARE(w.lblTema->text(),
                 QStringLiteral("Тема: Животные. Слов из 3, 6, 7 букв в теме нет, они взяты из всех слов"));
        // The designed settings file knows nothing of it.
        w.close();
        QCOMPARE(smek::readTextFile(fs::path(own() + "Slovolov.ini")).content,
                 std::string(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"));

        // The next start takes the theme up again.
        frmSlovolov& again = start(9);
        QVERIFY(themeAction(QStringLiteral("Животные"))->isChecked());
        QVERIFY(!again.MenuTema->allWords->isChecked());
        QVERIFY(hasThemeWords());

        again.MenuTema->allWords->trigger();
        again.MenuNewGame_Click();
        QVERIFY(!hasThemeWords());
        QVERIFY(!again.lblTema->isVisible());
    }

    void themeWithoutWordsOfALengthStillBuildsTheBoard() {
        frmSlovolov& w = start();
        themeAction(QStringLiteral("Еда"))->trigger(); // an empty theme: every length falls back
        w.MenuNewGame_Click();
        QCOMPARE(w.state().Remain, w.state().NumWords);
        QVERIFY(prompts_->texts().filter(QStringLiteral("База данных")).isEmpty());
        QCOMPARE(w.lblTema->text(), QStringLiteral("Тема: Еда. Слов из 3–7 букв в теме нет, они взяты из всех слов"));
    }

    void aThemesFileThatDoesNotSuitFallsBackToAllWordsForTheRun() {
        frmSlovolov& w = start();
        themeAction(QStringLiteral("Животные"))->trigger();
        const fs::path big = fs::path(data()) / smek::kThemesFolder / "Животные" / "Слова.5";
        fs::resize_file(big, std::uintmax_t{17} << 20); // beyond any word file
        prompts_->asked.clear();
        w.MenuNewGame_Click();
        QCOMPARE(prompts_->texts().filter(QStringLiteral("Файл")),
                 QStringList{QStringLiteral("Файл \"") + QString::fromStdString(big.string()) +
                             QStringLiteral("\" не подходит к программе.")});
        QVERIFY(w.isVisible());
        QCOMPARE(w.state().Remain, w.state().NumWords); // a whole board of all words
        QVERIFY(!hasThemeWords());
        QVERIFY(w.MenuTema->allWords->isChecked());
        QVERIFY(!w.lblTema->isVisible());
        QCOMPARE(smek::readTextFile(themeFile()).content, std::string("Животные\n"));
    }

    void gamesAreCountedByTheirFirstEnd() {
        frmSlovolov& w = start();
        findAll(); // a win
        QCOMPARE(w.Proigrysh, 0);
        w.MenuNewGame_Click();
        w.MenuEndGame_Click(); // given up: the words stay and can still be marked
        findAll();
        w.state().settings.IgraNaVremya = 1;
        w.state().settings.VremyaSec = 1;
        w.MenuNewGame_Click();
        w.NewTime(); // 00:00, the board untouched: no game played yet
        QCOMPARE(w.statistics().totals().started, 2);
        w.picControl_MouseUp(5, 5); // a first letter marked
        QCOMPARE(w.statistics().totals().started, 3);
        QCOMPARE(w.state().Remain, w.state().NumWords);
        w.NewTime(); // the tick after: lost on time
        QCOMPARE(w.Proigrysh, 1);

        const smek::Statistics s = onDisk();
        QCOMPARE(s.started, 3);
        QCOMPARE(s.won, 1);
        QCOMPARE(s.givenUp, 1);
        QCOMPARE(s.lostOnTime, 1);
        QCOMPARE(s.longestStreak, 1);
        QCOMPARE(s.streak, 0);
        QCOMPARE(s.levels[0].wins, 1); // the given-up game's late finish has no time
        QVERIFY(s.levels[0].bestSeconds < 5);

        // Opening a saved game that was already lost counts no new game.
        w.SaveFile(QString::fromStdString(dir_->path().string() + "/lost.slv"));
        w.OpenNamedFile(smek::qPath(*dir_) + QStringLiteral("/lost.slv"));
        QCOMPARE(onDisk().started, 3);
    }

    void statistikaWindowShowsTheCountsAndResetsThemOnlyWhenConfirmed() {
        start();
        findAll();
        const QStringList rows = statistikaRows();
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows[0], QStringLiteral("Начато игр: 1"));
        QCOMPARE(rows[1], QStringLiteral("Выиграно: 1"));
        QCOMPARE(rows[2], QStringLiteral("Не успели по времени: 0"));
        QCOMPARE(rows[3], QStringLiteral("Сдались: 0"));
        QCOMPARE(rows[4], QStringLiteral("Самая длинная серия побед: 1"));
        QVERIFY(rows[5].startsWith(QStringLiteral("Время победы, уровень 1: лучшее 0:0")));
        QCOMPARE(rows[6], QStringLiteral("Время победы, уровень 2: побед ещё нет"));

        prompts_->answers = {false};
        QCOMPARE(statistikaRows([](smek::frmStatistika& s) { s.kReset->click(); })[0], QStringLiteral("Начато игр: 1"));
        QCOMPARE(prompts_->asked.last().text, QStringLiteral("Сбросить статистику?"));
        QCOMPARE(onDisk().won, 1);
        QCOMPARE(statistikaRows([](smek::frmStatistika& s) {
                     s.kReset->setFocus();
                     s.kReset->click();
                     QCOMPARE(s.kOK->text(), QStringLiteral("Закрыть"));
                     QVERIFY(s.focusWidget() == s.kOK); // Enter closes now, it does not ask again
                 })[1],
                 QStringLiteral("Выиграно: 0"));
        QCOMPARE(onDisk(), smek::Statistics{});
    }

    void damagedStatisticsAreSetAsideAndPlayGoesOn() {
        fs::create_directories(statisticsFile().parent_path());
        QVERIFY(!smek::writeTextFileAtomic(statisticsFile(), "started lots\n"));
        frmSlovolov& w = start();
        QCOMPARE(w.state().Remain, w.state().NumWords);
        w.picControl_MouseUp(5, 5);
        QCOMPARE(onDisk().started, 1);
        const fs::path aside = statisticsFile().string() + ".damaged";
        QCOMPARE(smek::readTextFile(aside).content, std::string("started lots\n"));
        QString note;
        statistikaRows([&](smek::frmStatistika& s) { note = s.lblSetAside->text(); });
        QVERIFY(note.contains(QStringLiteral("slovolov-statistics.damaged")));
        fs::remove(aside);
    }
};

QTEST_MAIN(ThemesAndStatisticsTest)
#include "ThemesAndStatisticsTest.moc"
