// The compose-a-word window's additions: the theme menu and the statistics.
#include "../core/TempFolder.h"
#include "ScriptedPrompts.h"
#include "TestPlaces.h"
#include "bukvoklad/ui/frmForma.h"
#include "common/core/TextFile.h"
#include "common/core/Themes.h"

#include <QtTest>
#include <memory>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

struct Table {
    TempFolder folder;
    Game game;
    ScriptedPrompts prompts{QStringLiteral("Смекалия - Буквоклад")};
    Random random{11};
    std::unique_ptr<frmForma> form;

    // own: the player's folder, kept between two tables as between two runs.
    Table(int optKolBukv, const std::string& own) {
        folder.words("Слова.6", {"ДЕРЕВО"});
        folder.words("Слова.7", {"АВТОБУС"});
        std::filesystem::create_directories(folder.path / kThemesFolder / "Еда");
        folder.words(std::string(kThemesFolder) + "/Еда/Слова.6", {"ПЕЧЕНЬ"});
        game.PathData = folder.pathData();
        game.OptKolBukv = optKolBukv;
        form = std::make_unique<frmForma>(game, prompts, random, [] {}, testPlaces(game.PathData, own));
        prompts.setOwner(form.get());
    }
};

} // namespace

class ThemesAndStatisticsTest : public QObject {
    Q_OBJECT
    TempFolder own_;
    std::string own() const { return own_.pathData(); }

private slots:
    void init() { std::filesystem::remove(own_.path / "bukvoklad-theme"); }

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
};

QTEST_MAIN(ThemesAndStatisticsTest)
#include "ThemesAndStatisticsTest.moc"
