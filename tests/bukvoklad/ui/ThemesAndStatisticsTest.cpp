// SPDX-License-Identifier: GPL-3.0-or-later
// The compose-a-word window's additions: the theme menu and the statistics.
#include "WindowTable.h"
#include "common/core/TextFile.h"
#include "common/core/Themes.h"

#include <QtTest>
#include <memory>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

struct Table : test::WindowTable {
    // own: the player's folder, kept between two tables as between two runs.
    Table(int optKolBukv, const std::string& own) : WindowTable(11) {
        folder.words("Слова.6", {"ДЕРЕВО"});
        folder.words("Слова.7", {"АВТОБУС"});
        std::filesystem::create_directories(folder.path() / kThemesFolder / "Еда");
        folder.words(std::string(kThemesFolder) + "/Еда/Слова.6", {"ПЕЧЕНЬ"});
        open(optKolBukv, [] {}, own);
    }
};

} // namespace

class ThemesAndStatisticsTest : public QObject {
    Q_OBJECT
    TempFolder own_;
    std::string own() const { return own_.pathData(); }

private slots:
    void init() {
        std::filesystem::remove(own_.path() / "bukvoklad-theme");
        std::filesystem::remove(own_.path() / "bukvoklad-statistics");
    }

    void themeMenuChangesTheNextWord() {
        Table t(6, own());
        frmForma& f = *t.form;
        f.NewGame();
        QCOMPARE(t.game.Slovo, w1251("ДЕРЕВО"));
        QVERIFY(!f.lblTema->isVisible());
        QCOMPARE(f.MenuTema->themeActions.size(), 1);
        f.MenuTema->themeActions[0]->trigger();
        QCOMPARE(t.game.Slovo, w1251("ДЕРЕВО")); // the word in play stays
        f.kNew_Click();
        QCOMPARE(t.game.Slovo, w1251("ПЕЧЕНЬ"));
        QVERIFY(!f.lblTema->isHidden());
        QCOMPARE(f.lblTema->text(), QStringLiteral("Тема: Еда"));

        // Kept for the next start, apart from the designed settings.
        Table again(7, own());
        QVERIFY(again.form->MenuTema->themeActions[0]->isChecked());
        again.form->NewGame();
        QCOMPARE(again.game.Slovo, w1251("АВТОБУС"));
        QCOMPARE(again.form->lblTema->text(),
                 QStringLiteral("Тема: Еда. Слов из 7 букв в теме нет, они взяты из всех слов"));
    }

    void winsGiveUpsTimeOutsAndHintsAreCounted() {
        Table t(6, own());
        frmForma& f = *t.form;
        f.NewGame();
        f.NewGame(); // boards never played count nothing
        QCOMPARE(f.statistics().totals().started, 0);
        f.Text1->setText(QStringLiteral("дерево"));
        f.Text1->setText(QStringLiteral("дерев"));
        f.Text1->setText(QStringLiteral("дерево")); // the banner again, the win once
        f.kNew_Click();
        f.statistics().hintUsed(); // the entry a hint button calls
        f.kSdatsya_Click();
        t.timed(0);
        f.kNew_Click();
        f.Text1->setText(QStringLiteral("д"));
        f.NewTime(); // the tick after "00": lost on time
        QCOMPARE(t.game.GameState, -1);

        const std::optional<Statistics> s =
            parseStatistics(readTextFile(own_.path() / "bukvoklad-statistics").content);
        QVERIFY(s);
        QCOMPARE((QList<int>{s->started, s->won, s->givenUp, s->lostOnTime, s->hints}), (QList<int>{3, 1, 1, 1, 1}));
        QCOMPARE(t.prompts.statistikaRows(f.MenuStatistika), (QStringList{QStringLiteral("Начато игр: 3"), QStringLiteral("Выиграно: 1"),
                                    QStringLiteral("Не успели по времени: 1"), QStringLiteral("Сдались: 1"),
                                    QStringLiteral("Самая длинная серия побед: 1"), QStringLiteral("Подсказок: 1")}));
    }

    void twoWindowsOfOneGameLoseNoCount() {
        Table a(6, own()), b(6, own());
        for (int round = 0; round < 3; ++round) {
            a.form->kNew_Click();
            b.form->kNew_Click();
            b.form->Text1->setText(QStringLiteral("дерево"));
            a.form->Text1->setText(QStringLiteral("д"));
            a.form->kSdatsya_Click();
        }
        b.form->statistics().hintUsed();
        const std::optional<Statistics> s =
            parseStatistics(readTextFile(own_.path() / "bukvoklad-statistics").content);
        QVERIFY(s);
        QCOMPARE((QList<int>{s->started, s->won, s->givenUp, s->hints}), (QList<int>{6, 3, 3, 1}));
        // The statistics window shows both windows' games.
        QCOMPARE(a.prompts.statistikaRows(a.form->MenuStatistika), (QStringList{QStringLiteral("Начато игр: 6"), QStringLiteral("Выиграно: 3"),
                                    QStringLiteral("Не успели по времени: 0"), QStringLiteral("Сдались: 3"),
                                    QStringLiteral("Самая длинная серия побед: 1"), QStringLiteral("Подсказок: 1")}));
    }

    void aThemesFileThatCannotBeUsedFallsBackToAllWords() {
        Table t(6, own());
        frmForma& f = *t.form;
        // 17 MB, beyond any word file (sparse: quick to make).
        const std::filesystem::path big = t.folder.path() / kThemesFolder / "Еда" / "Слова.6";
        std::filesystem::resize_file(big, std::uintmax_t{17} << 20);
        f.MenuTema->themeActions[0]->trigger();
        t.prompts.asked.clear();
        f.kNew_Click();
        QCOMPARE(t.prompts.texts(), QStringList{QStringLiteral("Файл \"") + QString::fromStdString(big.string()) +
                                                QStringLiteral("\" не подходит к программе.")});
        QCOMPARE(t.game.Slovo, w1251("ДЕРЕВО"));
        QCOMPARE(t.game.GameState, 1);
        QVERIFY(f.MenuTema->allWords->isChecked() && !f.lblTema->isVisible());
        // Only for this run: the kept choice waits for the mended file.
        QCOMPARE(readTextFile(own_.path() / "bukvoklad-theme").content, std::string("Еда\n"));
        t.prompts.asked.clear();
        f.kNew_Click();
        QVERIFY(!t.prompts.texts().join(QString()).contains(QStringLiteral("Файл")));
        QCOMPARE(t.game.Slovo, w1251("ДЕРЕВО"));

        // All words' file of a length the theme lacks gets the same words: a
        // file that does not suit, not one that cannot be opened (which ends the program).
        Table data(7, own());
        const std::filesystem::path words = data.folder.path() / "Слова.7";
        std::filesystem::resize_file(words, std::uintmax_t{17} << 20);
        data.form->kNew_Click();
        QCOMPARE(data.prompts.texts(), QStringList{QStringLiteral("Файл \"") + QString::fromStdString(words.string()) +
                                                   QStringLiteral("\" не подходит к программе.")});
    }
};

QTEST_MAIN(ThemesAndStatisticsTest)
#include "ThemesAndStatisticsTest.moc"
