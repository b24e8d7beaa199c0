// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the source text, the mode buttons and the length choice on
// a strip that moves up when the source is hidden, the HTML view, the answer
// box and the word list. It turns events into calls on the puzzle and shows
// what the puzzle says.
#include "common/core/UserFiles.h"
#include "common/core/FirstMove.h"
#include "common/core/Statistics.h"
#include "common/ui/PictureBox.h"
#include "common/ui/Prompts.h"
#include "slovoset/core/GameFile.h"
#include "slovoset/core/Puzzle.h"
#include "usrMyWeb.h"
#include "usrSlova.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace smek::slovoset {

class frmForma : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: where the help page lies; places: where the player's
    // own files go.
    frmForma(Puzzle& puzzle, smek::Prompts& prompts, const QString& programFolder, smek::Places places);

    // Command handlers, public so that tests drive them as the player would.
    void kTypGame_Click(int index);
    void selLenSlov_Click(int index);
    void picUp_MouseDown(int index, int x, int y);
    void picUp_MouseUp(int index);
    void mFileOpen_Click();
    // "Открыть текст…": a text file (any encoding a text comes in) into the
    // source box; OpenNamedText does it for a named file.
    void mFileOpenText_Click();
    void OpenNamedText(const QString& path);
    // Opens a named game file as "Открыть" does after its dialog (also a
    // file named on the command line).
    void OpenNamedGame(const QString& path);
    void mFileSave_Click();
    // Create mode: the title as for the export, then the page to play in a browser.
    void mFileSaveWeb_Click();
    // The player's statistics, in their own folder.
    smek::StatisticsBook& statistics() { return statistics_; }
    void kOtvet_Click();
    // The author's excluded words: edit the list; take a list line's word
    // out of the created puzzle and into the list.
    void mFileIsklyucheniya_Click();
    void usrSlova1_Isklyuchit(int line);

    void NewCaption(const std::string& path);
    // Shows html (CP1251) in the view and keeps its body in Text2.
    void ShowHtml(const std::string& html);
    const std::string& text2() const { return text2_; }
    QString UpState;

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QWidget* picPanel = nullptr;
    std::array<smek::PictureBox*, 2> picUp{};
    std::array<QImage, 2> picUpImage;
    std::array<QImage, 2> picUp2;
    std::array<QPushButton*, 2> kTypGame{};
    QComboBox* selLenSlov = nullptr;
    usrMyWeb* usrMyWeb1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtAddSlovo = nullptr;
    QPushButton* kOtvet = nullptr;
    usrSlova* usrSlova1 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QLabel* lblVybrano = nullptr; // create mode: "Выбрано слов: N из M" under the list

    QAction* mFileOpen = nullptr;
    QAction* mFileOpenText = nullptr;
    QAction* mFileSave = nullptr;
    QAction* mFileSaveWeb = nullptr; // enabled with "Сохранить" in create mode
    QAction* mFilePlain = nullptr; // checked: the export writes the plain pages
    QAction* mFileIsklyucheniya = nullptr;
    QAction* mStatistika = nullptr;
    QAction* mFileExit = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpOprog = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // Places the controls for the client's size: the designed places at the
    // designed size; the view and the list take what the window grows.
    void layoutControls();
    void showVybrano();
    void noteWithoutStandIn();
    void buildMenu();
    void txtAddSlovo_Change();
    // True when a typed character may enter the answer box.
    static bool txtAddSlovo_KeyPress(const QString& typed);
    void usrSlova1_IconClick(int line);
    void usrSlova1_LineChosen(int line);
    void ShowLineSlovo(int line);
    void ShowSlovo();
    void showEndBanner();
    void repaintList();
    void setAnswerBox(bool enabled);
    void SaveGame();
    void SaveHtml();
    bool askNazvanie(); // false: cancelled or empty, nothing to export
    bool canSaveWebPage() const;
    void reportSave(const SaveOutcome& outcome);
    void saveIsklyucheniya(const std::set<std::string>& before, const std::set<std::string>& after);

    Puzzle& p_;
    smek::Prompts& prompts_;
    QString programFolder_;
    smek::Places places_;
    smek::StatisticsBook statistics_; // after places_, which names its file
    smek::FirstMove firstMove_{statistics_};
    std::string text2_;
    QWidget* client_ = nullptr;
    std::string notedTekst_; // the text whose missing characters were last pointed out
    std::filesystem::path isklyucheniyaFile_; // the author's excluded words, in the per-user data folder
};

} // namespace smek::slovoset
