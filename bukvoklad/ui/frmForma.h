#pragma once
// The play window: the letter board, the answer box, the countdown and the menu.
#include "bukvoklad/core/Game.h"
#include "common/core/Random.h"
#include "common/core/UserFiles.h"
#include "common/ui/PictureBox.h"
#include "common/ui/Prompts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace smek::bukvoklad {

class frmForma : public QMainWindow {
    Q_OBJECT
public:
    // endProgram is called after the message about a word file that cannot be
    // opened; the program's own ends at once without saving the settings.
    // places: where the settings are written and the About link's page goes.
    frmForma(Game& game, Prompts& prompts, Random& random, std::function<void()> endProgram, Places places);

    void NewGame();
    void NewTime();
    void Otvet();

    void Text1_Change();
    void kNew_Click();
    void kSdatsya_Click();
    void MenuOptions_Click();
    void HelpCallHelp_Click();
    void HelpAbout_Click();

    QLabel* Label1 = nullptr;
    PictureBox* picControl = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* lbVremya = nullptr;
    QLabel* lblTimer = nullptr;
    QPushButton* kNew = nullptr;
    QPushButton* kSdatsya = nullptr;
    QTimer* tmTimer = nullptr;
    QAction* MenuOptions = nullptr;
    QAction* FileExit = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void Form_Unload();
    bool Text1_KeyPress(const QString& typed);
    void drawEmptyBoard(int cells);
    void drawLetter(int cell, char letter);
    void showBanner(int proigrysh);

    Game& game_;
    Prompts& prompts_;
    Random& random_;
    std::function<void()> endProgram_;
    Places places_;
};

} // namespace smek::bukvoklad
