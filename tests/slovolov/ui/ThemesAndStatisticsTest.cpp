// The word-search window's additions: the theme menu and the statistics.
#include "ScriptedPrompts.h"
#include "TestPlaces.h"
#include "common/core/Cp1251.h"
#include "common/core/TextFile.h"
#include "common/core/Themes.h"
#include "slovolov/ui/frmSlovolov.h"

#include <QtTest>
#include <filesystem>

using namespace slovolov;
namespace fs = std::filesystem;

class ThemesAndStatisticsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<smek::ScriptedPrompts> prompts_;
    std::unique_ptr<frmSlovolov> w_;

    std::string data() const { return dir_->path().toStdString() + "/Data/"; }
    // The player's own folder, apart from the data folder as in an installed game.
    std::string own() const { return dir_->path().toStdString() + "/own/"; }
    fs::path themeFile() const { return own() + "slovolov-theme"; }

    frmSlovolov& start(std::uint64_t seed = 7) {
        w_ = std::make_unique<frmSlovolov>(*prompts_, smek::testPlaces(data(), own()), Settings{},
                                           std::make_unique<smek::Random>(seed));
        w_->show();
        QApplication::processEvents();
        w_->NewGame(0);
        return *w_;
    }
    QAction* themeAction(const QString& name) const {
        for (QAction* a : w_->MenuTema->themeActions)
            if (a->text() == name) return a;
        return nullptr;
    }
    bool hasThemeWords() const {
        const auto& s = w_->state().Slova;
        return s[2] == smek::w1251("БЕЛКА") && s[3] == smek::w1251("ЛИСА") && s[4] == smek::w1251("ЛИСА");
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        fs::create_directories(data());
        for (const auto& f : fs::directory_iterator(std::string(FIXTURES_DIR) + "/slovolov/words"))
            fs::copy_file(f.path(), data() + f.path().filename().string());
        const fs::path theme = fs::path(data()) / smek::kThemesFolder / "Животные";
        fs::create_directories(theme);
        QVERIFY(!smek::writeTextFileAtomic(theme / "Слова.4", " 1 \r\n" + smek::w1251("ЛИСА") + "\r\n"));
        QVERIFY(!smek::writeTextFileAtomic(theme / "Слова.5", " 1 \r\n" + smek::w1251("БЕЛКА") + "\r\n"));
        fs::create_directories(fs::path(data()) / smek::kThemesFolder / "Еда");
        prompts_ = std::make_unique<smek::ScriptedPrompts>(QStringLiteral("Смекалия - Словолов"));
    }
    void cleanup() {
        w_.reset();
        prompts_.reset();
        dir_.reset();
    }

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
};

QTEST_MAIN(ThemesAndStatisticsTest)
#include "ThemesAndStatisticsTest.moc"
