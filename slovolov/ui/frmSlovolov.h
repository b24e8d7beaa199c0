// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play window of the word-search game with the board and list painters,
// the saved-game commands, the look-up and the timer procedures. The decisions are the core's; this window
// turns events into core calls and paints what they report.
#include "BoardInput.h"
#include "common/core/FirstMove.h"
#include "common/core/Random.h"
#include "common/core/Statistics.h"
#include "common/core/UserFiles.h"
#include "common/ui/LoseGameQuestion.h"
#include "common/ui/PauseCover.h"
#include "common/ui/PictureBox.h"
#include "common/ui/Prompts.h"
#include "common/ui/ThemeMenu.h"
#include "slovolov/core/Game.h"

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace smek::slovolov {

inline constexpr QRgb kWhite = 0xFFFFFF;
inline constexpr QRgb kGreen = 0x00FF00; // 65280 in the design's BGR notation

class frmSlovolov : public QMainWindow {
    Q_OBJECT
public:
    // places: the data folder and the player's own places; random: the
    // program's generator (the clock-seeded one when null).
    frmSlovolov(smek::Prompts& prompts, smek::Places places, const Settings& settings,
                std::unique_ptr<smek::Random> random = nullptr);

    GameState& state() { return state_; }
    // The player's statistics, in their own folder.
    smek::StatisticsBook& statistics() { return statistics_; }

    // Board painting
    void NewGame(int mode);
    void ShowBukva(int x, int y, QRgb colour);
    void AddSlovo(int i);

    // Play
    void picControl_MouseUp(int x, int y);
    void picBox_MouseUp(int y);
    void picBox_DblClick();
    void MenuNewGame_Click();
    void MenuSelLevel_Click();
    void MenuEndGame_Click();
    void MenuWeb_Click();
    // Beyond the design: pause, the look-up from menus, the question before a
    // game in progress is thrown away.
    void MenuPause_Click();
    // "Найти в словаре" for word i, as a context menu to pop up; null when
    // there is no such word.
    QMenu* lookupMenu(int i);
    // The context menus of the list (any word) and the board (a found word).
    QMenu* picBox_ContextMenu(int y);
    QMenu* picControl_ContextMenu(int x, int y);

    // Saved games
    void SaveFileDialog(int index);
    void ShowSaveDialog();
    void SaveFile(const QString& name);
    void OpenFile();
    // Opens a named game as OpenFile does after its dialog (also a file
    // named on the command line).
    void OpenNamedFile(const QString& name);
    // Beyond the design: the game kept when the window last closed, offered
    // back; false when there is none or the player declines it.
    bool resumeGame();

    // Beyond the design: a puzzle from the author's own words ("Своя головоломка…").
    void MenuOwn_Click();
    // Plays a built own game, after the question before a game in progress
    // is lost; false when the player keeps the old game.
    bool playOwnGame(GameState&& game);

    // Dictionary look-up
    void CodeText(const std::string& cp1251Word);

    // Clock, refill and end of game
    void NewTime();
    void NewBukvy();
    // tmNewBukvy's tick: the timer stops itself, then NewBukvy.
    void tmNewBukvy_Timer();
    void EndGame(int mode);
    void StopGame(int mode);

    // Writes the settings file (the main window's Form_Unload).
    void Form_Unload();
    // A word file could not be opened: the program ends without saving.
    bool endRequested() const { return endRequested_; }

    // Controls, with the design's names.
    QWidget* client = nullptr;
    QLabel* lblSavPertiya = nullptr;
    smek::PictureBox* picBox = nullptr;
    smek::PictureBox* picControl = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lbVremya = nullptr;
    QLabel* lblTimer = nullptr;
    QLabel* lblTema = nullptr; // the theme of the board, above it; hidden for all words
    QLabel* lblTitle = nullptr; // an own puzzle's title, above the board
    smek::ThemeMenu* MenuTema = nullptr;
    std::array<QImage, 2> picShar;
    QTimer* tmTimer = nullptr;
    QTimer* tmNewBukvy = nullptr;
    QAction* MenuNewGame = nullptr;
    QAction* MenuOwn = nullptr;
    QAction* MenuSelLevel = nullptr;
    QAction* MenuEndGame = nullptr;
    QAction* MenuOpen = nullptr;
    std::array<QAction*, 2> MenuSave{};
    QAction* MenuStatistika = nullptr;
    QAction* FileExit = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpAbout = nullptr;

    // Beyond the design: keyboard and drag play, the found counter.
    BoardInput* boardInput = nullptr;
    QLabel* lblNaideno = nullptr;
    QAction* MenuPrint = nullptr;
    QAction* MenuPdf = nullptr;
    QAction* MenuWeb = nullptr; // "Сохранить как веб-страницу…", enabled with MenuPdf
    QAction* MenuPause = nullptr;
    QMenu* MenuSlovar = nullptr; // "Найти в словаре": one entry per word of the board
    smek::PauseCover* pauseCover = nullptr;
    smek::LoseGameQuestion* loseQuestion = nullptr;

    int ListRow = 0;
    int Proigrysh = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildControls();
    void drawGridLines();
    void showFailure(const BuildResult& result);
    void showProgress();
    void markMissedWords();
    void showOpenedGame();
    std::filesystem::path resumeFile() const;
    void fillSlovarMenu();

    smek::Prompts& prompts_;
    smek::Places places_;
    smek::StatisticsBook statistics_; // after places_, which names its file
    smek::FirstMove firstMove_{statistics_};
    QElapsedTimer gameClock_;         // from a new board to its win; invalid for an opened game
    GameState state_;
    std::unique_ptr<smek::Random> random_;
    bool endRequested_ = false;
    bool unloaded_ = false;
};

// The two 19 x 19 list marks on white: 0 a red ball, 1 a green ball.
// At the pixel ratio of the list they are pasted into.
QImage ballPicture(bool found, qreal ratio = 1);

} // namespace smek::slovolov
