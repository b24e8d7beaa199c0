// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmForma.h"

#include "PrintWorksheet.h"
#include "bukvoklad/core/Hint.h"
#include "bukvoklad/core/NewGame.h"
#include "bukvoklad/core/Play.h"
#include "bukvoklad/core/Settings.h"
#include "common/core/Themes.h"
#include "common/ui/AppStart.h"
#include "common/ui/CellLetter.h"
#include "common/ui/Geometry.h"
#include "common/ui/SaveWebPage.h"
#include "common/ui/Text.h"
#include "common/ui/TypingFilter.h"
#include "common/ui/frmEnd.h"
#include "common/ui/SharedMenu.h"
#include "frmOptions.h"
#include "frmSvoiSlova.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QMenuBar>

namespace smek::bukvoklad {
namespace {

constexpr int kBoardHeight = 34; // the outline runs from y = 0 to y = 33
// Twips of the designed client area above the label that stay out: the band
// holds no control and would stand empty under the menu bar.
constexpr int kBand = 780;
const QColor kLine(Qt::black);
// Beyond the design: letters a hint opened, and cells the typed answer uses up.
const QColor kOpened(0, 128, 0);
const QColor kUsedCell(0xD8, 0xD8, 0xD8);
const QColor kUsedLetter(0x98, 0x98, 0x98);
const QColor kUsedOpened(0x80, 0xB8, 0x80);

} // namespace

frmForma::frmForma(Game& game, Prompts& prompts, Random& random, std::function<void()> endProgram, Places places)
    : game_(game), prompts_(prompts), random_(random), endProgram_(std::move(endProgram)), places_(std::move(places)),
      statistics_(std::filesystem::path(places_.own) / "bukvoklad-statistics") {
    setWindowTitle(QStringLiteral("Смекалия: Буквоклад"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    auto* client = new QWidget(this);
    client->setFixedSize(tw(9480), tw(3345 - kBand));
    setCentralWidget(client);

    // Created in tab order: the answer box comes first.
    Text1 = new QLineEdit(client);
    Text1->setGeometry(twRect(120, 2040 - kBand, 6855, 465));
    Text1->setFont(serifFont(15.75));
    new TypingFilter(Text1, [this](const QString& typed) { return Text1_KeyPress(typed); });
    connect(Text1, &QLineEdit::textChanged, this, &frmForma::Text1_Change);

    kNew = new QPushButton(QStringLiteral("Новая игра"), client);
    kNew->setGeometry(twRect(120, 2640 - kBand, 2535, 495));
    kNew->setFont(sansFont(13.5));
    kNew->setAutoDefault(true); // Enter presses the focused button, as Space does
    connect(kNew, &QPushButton::clicked, this, &frmForma::kNew_Click);

    kSdatsya = new QPushButton(QStringLiteral("Сдаться"), client);
    kSdatsya->setGeometry(twRect(2880, 2640 - kBand, 2535, 495));
    kSdatsya->setFont(sansFont(13.5));
    kSdatsya->setAutoDefault(true);
    kSdatsya->setEnabled(false);
    connect(kSdatsya, &QPushButton::clicked, this, &frmForma::kSdatsya_Click);

    // Additions a player may ignore, in the free space right of the buttons.
    kPodskazka = new QPushButton(QStringLiteral("Подсказка"), client);
    kPodskazka->setGeometry(twRect(5640, 2640 - kBand, 1620, 495));
    kPodskazka->setFont(sansFont(13.5));
    connect(kPodskazka, &QPushButton::clicked, this, &frmForma::Podskazka_Click);
    kPeremeshat = new QPushButton(QStringLiteral("Перемешать"), client);
    kPeremeshat->setGeometry(twRect(7410, 2640 - kBand, 1950, 495));
    kPeremeshat->setFont(sansFont(13.5));
    connect(kPeremeshat, &QPushButton::clicked, this, &frmForma::Peremeshat_Click);

    Label1 = new QLabel(QStringLiteral("Составьте из этих букв слово"), client);
    Label1->setGeometry(twRect(120, 1020 - kBand, 3195, 285));
    Label1->setFont(serifFont(12, true));

    picControl = new PictureBox(client);
    picControl->move(tw(15), tw(1320 - kBand));
    picControl->setBackground(Qt::white);
    picControl->setDrawFont(serifFont(20.25, true));
    picControl->setOuterSize(tw(5820), tw(510));
    picControl->clear();

    lbVremya = new QLabel(QStringLiteral("Время:"), client);
    lbVremya->setGeometry(twRect(7200, 2160 - kBand, 900, 330));
    lbVremya->setFont(serifFont(14.25, true));
    lbVremya->hide();

    lblTimer = new QLabel(QStringLiteral("00"), client);
    lblTimer->setGeometry(twRect(8160, 2160 - kBand, 300, 330));
    lblTimer->setFont(serifFont(14.25, true));
    lblTimer->hide();

    lblTema = new QLabel(client);
    // Beside the label, its last line level with the label's.
    lblTema->setGeometry(twRect(3480, 60, 5880, 1245 - kBand));
    lblTema->setFont(sansFont(8.25));
    lblTema->setWordWrap(true);
    lblTema->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblTema->hide();

    tmTimer = new QTimer(this);
    tmTimer->setInterval(1000);
    connect(tmTimer, &QTimer::timeout, this, &frmForma::NewTime);

    buildMenu();
    pauseCover = new PauseCover(client, {tmTimer});
    connect(pauseCover, &PauseCover::resumeRequested, this, &frmForma::MenuPause_Click);
    MenuTema = new ThemeMenu(menuBar(), game_.PathData, this);
    MenuTema->setChoiceFile(std::filesystem::path(places_.own) / "bukvoklad-theme");
    // A theme chosen while own words are played is a wish for the game's
    // words: the next game comes from the theme.
    MenuTema->onChosen = [this](const std::string&) {
        game_.own.reset();
        MenuSlovaIgry->setEnabled(false);
    };
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
}

void frmForma::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Меню"));
    // Beyond the design: the two buttons' commands with slovolov's keys.
    MenuNewGame = menu->addAction(QStringLiteral("Новая игра"), this, &frmForma::kNew_Click);
    MenuNewGame->setShortcut(QKeySequence(Qt::Key_F4));
    MenuSdatsya = menu->addAction(QStringLiteral("Сдаться"), this, &frmForma::kSdatsya_Click);
    MenuSdatsya->setShortcut(QKeySequence(Qt::Key_F8));
    MenuSdatsya->setEnabled(false);
    MenuPause = menu->addAction(QStringLiteral("Пауза"), this, &frmForma::MenuPause_Click);
    MenuPause->setShortcuts(pauseKeys());
    MenuPause->setCheckable(true);
    MenuPause->setEnabled(false);
    MenuOptions = menu->addAction(QStringLiteral("Опции"), this, &frmForma::MenuOptions_Click);
    MenuOptions->setShortcut(QKeySequence(Qt::Key_F6));
    MenuSvoiSlova = menu->addAction(QStringLiteral("Свои слова…"), this, &frmForma::MenuSvoiSlova_Click);
    MenuSvoiSlova->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    MenuSlovaIgry = menu->addAction(QStringLiteral("Слова игры"), this, &frmForma::MenuSlovaIgry_Click);
    MenuSlovaIgry->setEnabled(false);
    MenuPodskazka = menu->addAction(QStringLiteral("Подсказка"), this, &frmForma::Podskazka_Click);
    MenuPodskazka->setShortcut(QKeySequence(Qt::Key_F2));
    MenuPeremeshat = menu->addAction(QStringLiteral("Перемешать"), this, &frmForma::Peremeshat_Click);
    MenuPeremeshat->setShortcut(QKeySequence(Qt::Key_F3));
    menu->addSeparator();
    MenuPrint = menu->addAction(QStringLiteral("Печать листа с анаграммами…"), this, [this] {
        printWorksheet(this, prompts_, game_, places_, random_, WorksheetOutput::Printer, listToOffer().list);
    });
    MenuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuPdf = menu->addAction(QStringLiteral("Лист с анаграммами в PDF…"), this, [this] {
        printWorksheet(this, prompts_, game_, places_, random_, WorksheetOutput::Pdf, listToOffer().list);
    });
    // The same worksheet as a page to play in a browser.
    MenuWeb = menu->addAction(saveWebPageCaption(), this, [this] {
        printWorksheet(this, prompts_, game_, places_, random_, WorksheetOutput::WebPage, listToOffer().list);
    });
    StatistikaRows rows;
    rows.hints = QStringLiteral("Подсказок:");
    MenuStatistika = addStatistikaEntry(menu, this, prompts_, statistics_, rows);
    menu->addSeparator();
    loseQuestion = new LoseGameQuestion(menu, prompts_, std::filesystem::path(places_.own) / "bukvoklad-ask", this);
    FileExit = addExitEntry(menu, this);
    const HelpMenu help = addHelpMenu(menuBar(), this, prompts_, places_, helpPagePath(QStringLiteral("Буквоклад.htm")));
    HelpCallHelp = help.callHelp;
    HelpAbout = help.about;
}

void frmForma::drawEmptyBoard(int cells) {
    picControl->setOuterSize(kCell * cells, kBoardHeight);
    picControl->clear();
    picControl->outlineRect(0, 0, kCell * cells - 1, kBoardHeight - 1, kLine);
    for (int k = 1; k < cells; ++k) picControl->line(kCell * k, 0, kCell * k, kBoardHeight - 2, kLine);
}

void frmForma::drawLetter(int cell, char letter, const QColor& colour) {
    // Between the cell's lines: the outline at y = 0 and 33, the cell lines at multiples of 33.
    drawCellLetter(*picControl, QRect(kCell * cell + 1, 1, kCell - 1, kBoardHeight - 2), fromCp1251(std::string(1, letter)),
                   colour);
}

void frmForma::drawBoard() {
    const Board& board = game_.board;
    const size_t n = board.cells.size();
    if (game_.KolBukv == 0 || !game_.wordLoaded || n == 0 || n != game_.Slovo.size()) return;
    const std::vector<bool> used = cellsInUse(board, game_.Slovo, toCp1251(Text1->text()));
    drawEmptyBoard(static_cast<int>(n));
    for (size_t j = 0; j < n; ++j) {
        const int p = board.cells[j];
        const bool opened = board.opened[static_cast<size_t>(p)];
        const int x = kCell * static_cast<int>(j);
        // Inside the grid lines; the last cell ends at the outline.
        const int right = std::min(x + kCell - 1, kCell * static_cast<int>(n) - 2);
        if (used[j]) picControl->fillRect(x + 1, 1, right, kBoardHeight - 2, kUsedCell);
        const QColor colour = used[j] ? (opened ? kUsedOpened : kUsedLetter) : (opened ? kOpened : kLine);
        drawLetter(static_cast<int>(j), game_.Slovo[static_cast<size_t>(p)], colour);
    }
}

void frmForma::refreshExtras() {
    const bool inPlay = wordInPlay(game_);
    const bool hint = canHint(game_);
    kPodskazka->setEnabled(hint);
    MenuPodskazka->setEnabled(hint);
    kPeremeshat->setEnabled(inPlay);
    MenuPeremeshat->setEnabled(inPlay);
}

void frmForma::NewGame() {
    endPause();
    const NewGameResult result = MenuTema->deal<NewGameResult>(
        game_.Tema,
        [this] {
            NewGameResult dealt = bukvoklad::NewGame(game_, random_);
            if (dealt.status == NewGameResult::Status::OwnWordsUsedUp) {
                // Yes plays the list again; No goes back to the game's words.
                if (prompts_.question(fromUtf8(usedUpQuestion(*game_.own)), Prompts::Icon::None, false))
                    startDeal(*game_.own, random_);
                else
                    game_.own.reset();
                MenuSlovaIgry->setEnabled(game_.own.has_value());
                dealt = bukvoklad::NewGame(game_, random_);
            }
            return dealt;
        },
        [this](const NewGameResult& failed) { prompts_.error(fromUtf8(newGameMessage(failed))); });
    showWordsNote(result);
    tmTimer->stop();
    setGiveUpEnabled(false);
    drawEmptyBoard(result.length);
    refreshExtras();
    // However the game was started (button, options, start-up), typing goes
    // to the answer box.
    Text1->setFocus();
    if (result.status != NewGameResult::Status::Ok) {
        prompts_.error(fromUtf8(newGameMessage(result)));
        if (result.status == NewGameResult::Status::CannotOpen) endProgram_();
        return;
    }
    drawBoard();
    Text1->setText(QString());
    const bool timed = game_.OptTime == 1;
    if (timed) {
        lblTimer->setText(fromUtf8(timerCaption(game_.TimeOst)));
        tmTimer->start();
    }
    lblTimer->setVisible(timed);
    lbVremya->setVisible(timed);
    setGiveUpEnabled(true);
    MenuPause->setEnabled(true);
    firstMove_.dealt();
}

void frmForma::showWordsNote(const NewGameResult& result) {
    lblTema->setText(fromUtf8(game_.own ? ownWordsNote(*game_.own)
                                        : themeNote(game_.Tema, result.themeFellBack ? std::vector<int>{result.length}
                                                                                     : std::vector<int>{})));
    lblTema->setVisible(!lblTema->text().isEmpty());
}

KeptList frmForma::listToOffer() const {
    if (game_.own) return {game_.own->list, game_.own->shuffled};
    return readKeptList(places_.own).value_or(KeptList{});
}

void frmForma::MenuSvoiSlova_Click() {
    frmSvoiSlova dialog(this, prompts_, places_, KnownWords::ofDataFolder(game_.PathData), listToOffer());
    prompts_.showModal(dialog);
    if (dialog.result() != QDialog::Accepted || !loseQuestion->mayLose(game_.GameState == 1)) return;
    keepList(places_.own, dialog.chosen()); // a list that cannot be kept is still played
    game_.own = OwnWords{dialog.chosen().list, dialog.chosen().shuffled, {}, 0};
    startDeal(*game_.own, random_);
    MenuSlovaIgry->setEnabled(true);
    NewGame();
}

void frmForma::MenuSlovaIgry_Click() {
    if (!game_.own || !loseQuestion->mayLose(game_.GameState == 1)) return;
    game_.own.reset();
    MenuSlovaIgry->setEnabled(false);
    NewGame();
}

void frmForma::NewTime() {
    if (bukvoklad::NewTime(game_) == TickResult::Counted) {
        lblTimer->setText(fromUtf8(timerCaption(game_.TimeOst)));
        return;
    }
    tmTimer->stop();
    Otvet();
    firstMove_.ended(Outcome::LostOnTime);
    showBanner(1);
}

void frmForma::Otvet() {
    const int cells = game_.KolBukv;
    const std::string word = bukvoklad::Otvet(game_);
    if (word.empty()) return;
    refreshExtras();
    tmTimer->stop();
    setGiveUpEnabled(false);
    endPause();
    // The word in its right order, in the same cells; the board keeps its width.
    picControl->clear();
    picControl->outlineRect(0, 0, kCell * cells - 1, kBoardHeight - 1, kLine);
    for (int e = 0; e < cells; ++e) {
        drawLetter(e, word[static_cast<size_t>(e)]);
        if (e > 0) picControl->line(kCell * e, 0, kCell * e, kBoardHeight - 2, kLine);
    }
}

void frmForma::endPause() {
    pauseCover->drop();
    MenuPause->setChecked(false);
    MenuPause->setEnabled(false);
}

void frmForma::MenuPause_Click() {
    if (pauseCover->paused()) pauseCover->resume();
    else if (game_.GameState == 1 && game_.wordLoaded) pauseCover->pause();
    MenuPause->setChecked(pauseCover->paused());
}

void frmForma::setGiveUpEnabled(bool enabled) {
    kSdatsya->setEnabled(enabled);
    MenuSdatsya->setEnabled(enabled);
}

void frmForma::showBanner(int proigrysh) {
    frmEnd banner(this, proigrysh);
    prompts_.showModal(banner);
}

void frmForma::Text1_Change() {
    if (!Text1->text().isEmpty()) firstMove_.moved();
    drawBoard();
    const bool won = checkAnswer(game_, toCp1251(Text1->text()));
    refreshExtras();
    if (!won) return;
    tmTimer->stop();
    endPause();
    firstMove_.ended(Outcome::Won); // a win shown again after retyping counts once
    showBanner(0);
}

bool frmForma::Text1_KeyPress(const QString& typed) {
    // The answer box takes every key, so the pause key is caught here; no
    // Latin letter reaches the answer anyway. Under a Russian layout the same
    // key types З, a letter of the answer: the box keeps it, and the menu
    // entry, or the key with the focus elsewhere, pauses.
    if (typed.compare(QStringLiteral("p"), Qt::CaseInsensitive) == 0) {
        MenuPause_Click();
        return true;
    }
    for (const QChar ch : typed) {
        const std::string bytes = toCp1251(QString(ch));
        const char code = bytes.empty() ? '\0' : bytes.front();
        const KeyAction action = filterAnswerKey(code);
        if (action.kind == KeyAction::Kind::Insert) Text1->insert(fromCp1251(std::string(1, action.letter)));
        else if (action.kind == KeyAction::Kind::Pass) Text1->insert(QString(ch));
    }
    return true; // the key itself never reaches the box
}

void frmForma::kNew_Click() {
    if (game_.GameState == 1 && !prompts_.question(QStringLiteral("Начать новую игру?"), Prompts::Icon::None, false))
        return;
    QCoreApplication::processEvents();
    NewGame();
}

void frmForma::kSdatsya_Click() {
    if (!prompts_.question(QStringLiteral("Хотите сдаться и увидеть слово?"), Prompts::Icon::None, false)) return;
    QCoreApplication::processEvents();
    if (game_.GameState == 1) firstMove_.moved(); // unless the clock ended the game during the question
    Otvet();
    firstMove_.ended(Outcome::GivenUp);
}

void frmForma::Podskazka_Click() {
    if (bukvoklad::Podskazka(game_, random_) < 0) return;
    firstMove_.moved();
    statistics_.hintUsed();
    drawBoard();
    refreshExtras();
    Text1->setFocus();
}

void frmForma::Peremeshat_Click() {
    if (!wordInPlay(game_)) return;
    reshuffle(game_.board, game_.Slovo, random_);
    drawBoard();
    Text1->setFocus();
}

void frmForma::MenuOptions_Click() {
    frmOptions options(this, game_, prompts_, [this] { NewGame(); });
    options.mayStart = [this] { return loseQuestion->mayLose(game_.GameState == 1); };
    prompts_.showModal(options);
}

void frmForma::Form_Unload() {
    SaveFileINI(settingsToWrite(places_, kSettingsFile), game_); // fails silently, as designed
}

void frmForma::closeEvent(QCloseEvent* event) {
    if (!loseQuestion->mayLose(game_.GameState == 1)) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

} // namespace smek::bukvoklad
