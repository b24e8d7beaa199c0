// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play window: the letter board, the answer box, the countdown and the menu.
#include "bukvoklad/core/Game.h"
#include "bukvoklad/core/NewGame.h"
#include "common/core/FirstMove.h"
#include "common/core/Random.h"
#include "common/core/Statistics.h"
#include "common/core/UserFiles.h"
#include "common/ui/LoseGameQuestion.h"
#include "common/ui/PauseCover.h"
#include "common/ui/PictureBox.h"
#include "common/ui/Prompts.h"
#include "common/ui/ThemeMenu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>

namespace smek::bukvoklad {

class frmForma : public QMainWindow {
    Q_OBJECT
public:
    // endProgram is called after the message about a word file that cannot be
    // opened; the program's own ends at once without saving the settings.
    // places: where the settings are written and the About link's page goes.
    frmForma(Game& game, Prompts& prompts, Random& random, std::function<void()> endProgram, Places places);

    // The player's statistics, in their own folder; a hint counts with
    // statistics().hintUsed().
    StatisticsBook& statistics() { return statistics_; }

    void NewGame();
    void NewTime();
    void Otvet();

    void Text1_Change();
    void kNew_Click();
    void kSdatsya_Click();
    void MenuOptions_Click();
    void Podskazka_Click();
    void Peremeshat_Click();
    // Beyond the design: the clock stops and the letters hide until resumed.
    void MenuPause_Click();
    // Beyond the design: the author's own list, and back to the game's words.
    void MenuSvoiSlova_Click();
    void MenuSlovaIgry_Click();

    QLabel* Label1 = nullptr;
    PictureBox* picControl = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* lbVremya = nullptr;
    QLabel* lblTimer = nullptr;
    QLabel* lblTema = nullptr; // the theme of the word; hidden for all words
    ThemeMenu* MenuTema = nullptr;
    QPushButton* kNew = nullptr;
    QPushButton* kSdatsya = nullptr;
    QPushButton* kPodskazka = nullptr;
    QPushButton* kPeremeshat = nullptr;
    QTimer* tmTimer = nullptr;
    QAction* MenuNewGame = nullptr;
    QAction* MenuSdatsya = nullptr;
    QAction* MenuPause = nullptr;
    PauseCover* pauseCover = nullptr;
    LoseGameQuestion* loseQuestion = nullptr;
    QAction* MenuOptions = nullptr;
    QAction* MenuSvoiSlova = nullptr;
    QAction* MenuSlovaIgry = nullptr;
    QAction* MenuPodskazka = nullptr;
    QAction* MenuPeremeshat = nullptr;
    QAction* MenuPrint = nullptr;
    QAction* MenuPdf = nullptr;
    QAction* MenuWeb = nullptr;
    QAction* MenuStatistika = nullptr;
    QAction* FileExit = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void Form_Unload();
    bool Text1_KeyPress(const QString& typed);
    void drawEmptyBoard(int cells);
    void drawLetter(int cell, char letter, const QColor& colour = Qt::black);
    // The board of the game in play: opened letters marked, used-up cells greyed.
    void drawBoard();
    // Hint and reshuffle only while a word is in play.
    void refreshExtras();
    void showBanner(int proigrysh);
    void setGiveUpEnabled(bool enabled);
    // The clock stopped by a pause stays stopped; the cover goes.
    void endPause();
    // The list to offer: the one in play, else the one kept from before.
    KeptList listToOffer() const;
    // The line beside the label: own words, or the theme.
    void showWordsNote(const NewGameResult& result);

    Game& game_;
    Prompts& prompts_;
    Random& random_;
    std::function<void()> endProgram_;
    Places places_;
    StatisticsBook statistics_; // after places_, which names its file
    FirstMove firstMove_{statistics_};
};

} // namespace smek::bukvoklad
