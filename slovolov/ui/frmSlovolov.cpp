// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSlovolov.h"

#include "common/core/Alphabet.h"
#include "common/core/FileMessages.h"
#include "common/core/Paths.h"
#include "common/core/TextFile.h"
#include "common/core/Themes.h"
#include "common/core/WordFiles.h"
#include "common/ui/AppStart.h"
#include "common/ui/SaveWebPage.h"
#include "slovolov/core/WebPage.h"
#include "common/ui/CellLetter.h"
#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/WebLinks.h"
#include "common/ui/apiOpenSave.h"
#include "common/ui/frmEnd.h"
#include "common/ui/SharedMenu.h"
#include "PrintBoard.h"
#include "WordListMarks.h"
#include "OwnPuzzleDialog.h"
#include "frmSlovolovSelLevel.h"
#include "slovolov/core/Lookup.h"
#include "slovolov/core/OwnPuzzle.h"
#include "slovolov/core/Progress.h"
#include "slovolov/core/Resume.h"
#include "slovolov/core/SavedGame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <filesystem>

namespace smek::slovolov {
namespace {

const QString kCaption = QStringLiteral("Смекалия - Словолов");
constexpr int kBand = 32; // rows of the designed client area above the list that stay out

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setFont(font);
    return l;
}

QString message(const QString& path, smek::FileTail tail) {
    return smek::fromUtf8(smek::fileMessage(smek::toPath(path), tail));
}

const QList<smek::FilterPair> kFilter{{QStringLiteral("Словолов (*.slv)"), QStringLiteral("*.slv")}};
const smek::FilterPair kAllFiles{QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")};

} // namespace

QImage ballPicture(bool found, qreal ratio) {
    QImage img = smek::pictureImage(19, 19, ratio, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = found ? QColor(0, 192, 0) : QColor(224, 0, 0);
    QRadialGradient shade(QPointF(6.5, 6.5), 11);
    shade.setColorAt(0, found ? QColor(200, 255, 200) : QColor(255, 200, 200));
    shade.setColorAt(0.45, base);
    shade.setColorAt(1, base.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QRectF(1.5, 1.5, 16, 16));
    return img;
}

frmSlovolov::frmSlovolov(smek::Prompts& prompts, smek::Places places, const Settings& settings,
                         std::unique_ptr<smek::Random> random)
    : prompts_(prompts), places_(std::move(places)),
      statistics_(std::filesystem::path(places_.own) / "slovolov-statistics"), random_(std::move(random)) {
    if (!random_) random_ = std::make_unique<smek::Random>(smek::Random::fromClock());
    state_.settings = settings;
    state_.Remain = -1;
    setWindowTitle(QStringLiteral("Смекалия: Словолов"));
    buildControls();
    buildMenu();
    pauseCover = new smek::PauseCover(client, {tmTimer, tmNewBukvy});
    connect(pauseCover, &smek::PauseCover::resumeRequested, this, &frmSlovolov::MenuPause_Click);
    MenuTema = new smek::ThemeMenu(menuBar(), places_.data, this);
    MenuTema->setChoiceFile(std::filesystem::path(places_.own) / "slovolov-theme");
    setCentralWidget(client);
    adjustSize();
    setFixedSize(sizeHint());
}

void frmSlovolov::buildControls() {
    client = new QWidget(this);
    // The designed rows less the band above row 64, which holds no control of
    // the game and would stand empty under the menu bar: only the found
    // counter and the theme note, kept in a short band of their own.
    client->setFixedSize(723, 526 - kBand);

    lblSavPertiya = label(client, QStringLiteral("Список загаданных слов:"), QRect(8, 64 - kBand, 188, 16), smek::sansFont(9.75, true));

    picBox = new smek::PictureBox(client);
    picBox->move(8, 80 - kBand);
    picBox->setOuterSize(296, 406);
    picBox->setDrawFont(smek::serifFont(12, true));
    picBox->clear();
    connect(picBox, &smek::PictureBox::mouseUp, this, [this](Qt::MouseButton, int, int y) { picBox_MouseUp(y); });
    connect(picBox, &smek::PictureBox::doubleClicked, this, [this](int, int) { picBox_DblClick(); });
    picBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QMenu* menu = picBox_ContextMenu(at.y())) menu->popup(picBox->mapToGlobal(at));
    });

    picControl = new smek::PictureBox(client);
    picControl->move(312, 80 - kBand);
    picControl->setSunkenBorder(true);
    picControl->setOuterSize(404, 399);
    picControl->setDrawFont(smek::serifFont(14.25, true));
    picControl->clear();
    connect(picControl, &smek::PictureBox::mouseUp, this, [this](Qt::MouseButton, int x, int y) { picControl_MouseUp(x, y); });
    picControl->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picControl, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QPoint inside = at - QPoint(picControl->borderWidth(), picControl->borderWidth());
        if (QMenu* menu = picControl_ContextMenu(inside.x(), inside.y())) menu->popup(picControl->mapToGlobal(at));
    });
    boardInput = new BoardInput(picControl, state_, [this](int x, int y) { picControl_MouseUp(x, y); });
    // The band above the list holds no designed control: the counter goes there.
    lblNaideno = label(client, QString(), QRect(8, 40 - kBand, 296, 20), smek::serifFont(12, true));

    Label1 = label(client, QStringLiteral("Нажмите мышью на первую и последнюю букву найденного слова"),
                   QRect(8, 496 - kBand, 484, 19), smek::serifFont(12, true));
    // The design puts the time labels at row 568, below the 526-pixel client
    // area; here they sit in the same columns on the row of Label1, under the
    // board, where the player sees them.
    lbVremya = label(client, QStringLiteral("Время:"), QRect(600, 496 - kBand, 60, 22), smek::serifFont(14.25, true));
    lblTimer = label(client, QStringLiteral("00:00"), QRect(664, 496 - kBand, 57, 22), smek::serifFont(14.25, true));
    lbVremya->hide();
    lblTimer->hide();
    lblTema = label(client, QString(), QRect(312, 40 - kBand, 404, 36), smek::sansFont(8.25));
    lblTema->setWordWrap(true);
    lblTema->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblTema->hide();
    lblTitle = label(client, QString(), QRect(312, 40 - kBand, 404, 36), smek::serifFont(14.25, true));
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblTitle->hide();

    picShar[0] = ballPicture(false, picBox->pixelRatio());
    picShar[1] = ballPicture(true, picBox->pixelRatio());

    tmTimer = new QTimer(this);
    tmTimer->setInterval(1000);
    connect(tmTimer, &QTimer::timeout, this, &frmSlovolov::NewTime);
    tmNewBukvy = new QTimer(this);
    tmNewBukvy->setInterval(2000);
    connect(tmNewBukvy, &QTimer::timeout, this, &frmSlovolov::tmNewBukvy_Timer);
}

void frmSlovolov::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Меню"));
    MenuNewGame = menu->addAction(QStringLiteral("Новая игра"), this, &frmSlovolov::MenuNewGame_Click);
    MenuNewGame->setShortcut(Qt::Key_F4);
    MenuOwn = menu->addAction(QStringLiteral("Своя головоломка…"), this, &frmSlovolov::MenuOwn_Click);
    MenuOwn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MenuSelLevel = menu->addAction(QStringLiteral("Выбор уровня"), this, &frmSlovolov::MenuSelLevel_Click);
    MenuSelLevel->setShortcut(Qt::Key_F6);
    MenuEndGame = menu->addAction(QStringLiteral("Сдаться"), this, &frmSlovolov::MenuEndGame_Click);
    MenuEndGame->setShortcut(Qt::Key_F8);
    MenuEndGame->setEnabled(false);
    MenuOpen = menu->addAction(QStringLiteral("Открыть"), this, &frmSlovolov::OpenFile);
    MenuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuSave[0] = menu->addAction(QStringLiteral("Сохранить"), this, [this] { SaveFileDialog(0); });
    MenuSave[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuSave[1] = menu->addAction(QStringLiteral("Сохранить как…"), this, [this] { SaveFileDialog(1); });
    smek::StatistikaRows rows;
    rows.levelTimes = true;
    MenuStatistika = smek::addStatistikaEntry(menu, this, prompts_, statistics_, rows);
    MenuPause = menu->addAction(QStringLiteral("Пауза"), this, &frmSlovolov::MenuPause_Click);
    MenuPause->setShortcuts(smek::pauseKeys());
    MenuPause->setCheckable(true);
    MenuPause->setEnabled(false);
    MenuSlovar = menu->addMenu(QStringLiteral("Найти в словаре"));
    MenuSlovar->setEnabled(false);
    connect(MenuSlovar, &QMenu::aboutToShow, this, &frmSlovolov::fillSlovarMenu);
    MenuSave[0]->setEnabled(false);
    MenuSave[1]->setEnabled(false);
    // Beyond the design: the puzzle on paper, enabled while a whole board is dealt.
    MenuPrint = menu->addAction(QStringLiteral("Печать…"), this, [this] { printPuzzle(prompts_, printSheet(state_)); });
    MenuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuPdf = menu->addAction(QStringLiteral("Сохранить в PDF…"), this, [this] { savePuzzlePdf(prompts_, places_, printSheet(state_)); });
    // And as one page to play in a browser, with the game's clock when it has one.
    MenuWeb = menu->addAction(smek::saveWebPageCaption(), this, &frmSlovolov::MenuWeb_Click);
    MenuPrint->setEnabled(false);
    MenuPdf->setEnabled(false);
    MenuWeb->setEnabled(false);
    menu->addSeparator();
    loseQuestion = new smek::LoseGameQuestion(menu, prompts_, std::filesystem::path(places_.own) / "slovolov-ask", this);
    FileExit = smek::addExitEntry(menu, this);
    const smek::HelpMenu help = smek::addHelpMenu(menuBar(), this, prompts_, places_, smek::helpPagePath(QStringLiteral("Словолов.htm")));
    HelpCallHelp = help.callHelp;
    HelpAbout = help.about;
}

void frmSlovolov::MenuWeb_Click() {
    const Settings& s = state_.settings;
    const int clock = s.IgraNaVremya == 1 ? s.VremyaMin * 60 + s.VremyaSec : 0;
    // An own puzzle's page is named after its title, as its PDF is.
    const std::string own = smek::fileNameOfTitle(state_.title);
    const QString name = own.empty() ? QStringLiteral("Словолов") : smek::fromUtf8(own);
    smek::saveWebPage(prompts_, places_, name + QStringLiteral(".html"), [&] { return webPage(state_, clock); });
}

// ---- Board painting ----

void frmSlovolov::drawGridLines() {
    picControl->clear();
    const int end = (state_.GridMax + 1) * state_.CellSize; // the closing line
    for (int k = 0; k <= state_.GridMax; ++k) {
        const int p = (k + 1) * state_.CellSize;
        picControl->line(0, p, end, p, Qt::black);
        picControl->line(p, 0, p, end, Qt::black);
    }
}

void frmSlovolov::NewGame(int mode) {
    GameState& g = state_;
    if (mode == 0) resetForNewGame(g);
    setWindowTitle(kCaption);
    pauseCover->drop();
    MenuPause->setChecked(false);
    tmNewBukvy->stop();
    tmTimer->stop();
    g.Marked = 0;
    picControl->setEnabled(false);
    MenuEndGame->setEnabled(true);
    MenuSave[0]->setEnabled(true);
    MenuSave[1]->setEnabled(true);
    const int edge = boardEdge(g.level());
    picControl->setOuterSize(edge, edge);
    drawGridLines();
    picControl->setDrawFont(smek::serifFont(tabFont[static_cast<size_t>(g.level())], true));
    showProgress();
    MenuPrint->setEnabled(false);
    MenuPdf->setEnabled(false);
    MenuWeb->setEnabled(false);
    lblTema->hide(); // an opened game's words may come from anywhere
    lblTitle->setText(lblTitle->fontMetrics().elidedText(smek::fromUtf8(g.title), Qt::ElideRight, lblTitle->width()));
    lblTitle->setVisible(g.own && !g.title.empty());

    if (mode == 0) {
        picBox->clear();
        const BuildResult result = MenuTema->deal<BuildResult>(
            g.theme, [&] { return buildBoard(g, places_.data, *random_); },
            [this](const BuildResult& failed) {
                const smek::FileTail tail = failed.status == BuildResult::Status::CannotOpen ? smek::FileTail::CannotOpen
                                                                                             : smek::FileTail::NotSuitable;
                prompts_.error(message(smek::fromPath(failed.file.string()), tail));
            });
        lblTema->setText(QString::fromStdString(smek::themeNote(g.theme, result.themeFellBack)));
        lblTema->setVisible(!lblTema->text().isEmpty());
        for (int w = 0; w < result.slotsFilled; ++w) AddSlovo(w);
        if (result.status != BuildResult::Status::Ok) {
            showFailure(result);
            return;
        }
    }
    for (int y = 0; y <= g.GridMax; ++y)
        for (int x = 0; x <= g.GridMax; ++x)
            if (g.Grid(x, y) != 0) ShowBukva(x, y, kWhite);
    picControl->setEnabled(true);
    boardInput->gameStarted();
    MenuPrint->setEnabled(true);
    MenuPdf->setEnabled(true);
    MenuWeb->setEnabled(true);
    MenuSlovar->setEnabled(true);
    MenuPause->setEnabled(g.Remain >= 0);
    if (g.Remain >= 0) firstMove_.dealt();
    else firstMove_.left(); // an opened game that had ended is no new game
    if (mode == 0) gameClock_.start();
    else gameClock_.invalidate();
    if (g.settings.IgraNaVremya == 1) {
        g.OstMin = g.settings.VremyaMin;
        g.OstSec = g.settings.VremyaSec;
        lblTimer->setText(QString::fromStdString(timerCaption(g.OstMin, g.OstSec)));
        tmTimer->start();
    }
    lbVremya->setVisible(g.settings.IgraNaVremya == 1);
    lblTimer->setVisible(g.settings.IgraNaVremya == 1);
}

void frmSlovolov::showFailure(const BuildResult& result) {
    switch (result.status) {
    case BuildResult::Status::Ok: return;
    case BuildResult::Status::NoDatabase:
        prompts_.error(smek::fromUtf8(smek::noWordDatabaseMessage(result.length)));
        return;
    case BuildResult::Status::NoRoom:
        prompts_.error(QStringLiteral("База данных слов не найдена"));
        return;
    case BuildResult::Status::NotSuitable:
        prompts_.error(message(smek::fromPath(result.file.string()), smek::FileTail::NotSuitable));
        return;
    case BuildResult::Status::CannotOpen:
        prompts_.error(message(smek::fromPath(result.file.string()), smek::FileTail::CannotOpen));
        // The program ends at once, without writing its settings.
        endRequested_ = true;
        tmTimer->stop();
        tmNewBukvy->stop();
        hide();
        QCoreApplication::exit(1);
        return;
    }
}

void frmSlovolov::ShowBukva(int x, int y, QRgb colour) {
    const GameState& g = state_;
    const int v = std::abs(g.Grid(x, y));
    const int px = x * g.CellSize, py = y * g.CellSize;
    picControl->fillRect(px + 1, py + 1, px + g.CellSize - 1, py + g.CellSize - 1, QColor::fromRgb(colour));
    if (v == 0) return;
    const QString letter = smek::fromCp1251(std::string(1, smek::letterAt(v)));
    smek::drawCellLetter(*picControl, QRect(px + 1, py + 1, g.CellSize - 1, g.CellSize - 1), letter, Qt::black);
}

void frmSlovolov::AddSlovo(int i) {
    const QString row = QString::number(i + 1) + QStringLiteral(") ") + smek::fromCp1251(state_.Slova[static_cast<size_t>(i)]);
    picBox->text(25, 20 * i + 1, row, Qt::black);
    picBox->paste(2, 20 * i, picShar[static_cast<size_t>(state_.Found[static_cast<size_t>(i)] == 1 ? 1 : 0)]);
    if (state_.Found[static_cast<size_t>(i)] == 1) strikeWord(*picBox, i, smek::fromCp1251(state_.Slova[static_cast<size_t>(i)]));
}

void frmSlovolov::showProgress() {
    lblNaideno->setText(smek::fromUtf8(foundCounter(state_)));
}

// ---- Play ----

void frmSlovolov::picControl_MouseUp(int x, int y) {
    const ClickResult r = boardClick(state_, x, y);
    if (r.kind != ClickResult::Kind::Ignored) firstMove_.moved();
    switch (r.kind) {
    case ClickResult::Kind::Ignored: return;
    case ClickResult::Kind::Marked:
        if (r.unmarked) {
            ShowBukva(r.oldMark.x, r.oldMark.y, kWhite);
            boardInput->missed(r.oldMark);
        }
        ShowBukva(r.mark.x, r.mark.y, kGreen);
        return;
    case ClickResult::Kind::Found:
        for (const Cell& c : r.cleared) ShowBukva(c.x, c.y, kWhite);
        // The row afresh: a word found after giving up loses its red.
        picBox->fillRect(0, 20 * r.word, picBox->width() - 1, 20 * r.word + 19, Qt::white);
        AddSlovo(r.word);
        showProgress();
        if (state_.settings.ZamenaBukv == 1 && !tmNewBukvy->isActive()) tmNewBukvy->start();
        if (r.won) StopGame(0);
        return;
    }
}

void frmSlovolov::picBox_MouseUp(int y) {
    ListRow = y / 20;
    if (ListRow > state_.NumWords) ListRow = -1;
}

void frmSlovolov::picBox_DblClick() {
    if (ListRow < 0 || ListRow >= static_cast<int>(state_.Slova.size())) return;
    CodeText(state_.Slova[static_cast<size_t>(ListRow)]);
}

void frmSlovolov::MenuNewGame_Click() {
    if (state_.Remain >= 0 && !prompts_.question(QStringLiteral("Начать новую игру?"), smek::Prompts::Icon::None, false))
        return;
    QApplication::processEvents();
    NewGame(0);
}

void frmSlovolov::MenuSelLevel_Click() {
    frmSlovolovSelLevel dialog(this, state_.settings, prompts_, [this] { NewGame(0); });
    dialog.mayStart = [this] { return loseQuestion->mayLose(state_.Remain >= 0); };
    prompts_.showModal(dialog);
}

void frmSlovolov::MenuEndGame_Click() {
    if (!prompts_.question(QStringLiteral("Хотите сдаться и увидеть расположение слов?"), smek::Prompts::Icon::None, false))
        return;
    QApplication::processEvents();
    EndGame(0);
}

void frmSlovolov::MenuPause_Click() {
    if (pauseCover->paused()) pauseCover->resume();
    else if (state_.Remain >= 0 && picControl->isEnabled()) pauseCover->pause();
    MenuPause->setChecked(pauseCover->paused());
}

void frmSlovolov::markMissedWords() {
    for (int i = 0; i <= state_.NumWords && i < static_cast<int>(state_.Found.size()); ++i)
        if (state_.Found[static_cast<size_t>(i)] != 1)
            markMissed(*picBox, i, smek::fromCp1251(state_.Slova[static_cast<size_t>(i)]));
}

QMenu* frmSlovolov::lookupMenu(int i) {
    if (i < 0 || i >= static_cast<int>(state_.Slova.size()) || state_.Slova[static_cast<size_t>(i)].empty()) return nullptr;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::string word = state_.Slova[static_cast<size_t>(i)];
    menu->addAction(QStringLiteral("Найти в словаре"), this, [this, word] { CodeText(word); });
    return menu;
}

QMenu* frmSlovolov::picBox_ContextMenu(int y) {
    const int row = y / 20;
    return row <= state_.NumWords ? lookupMenu(row) : nullptr;
}

QMenu* frmSlovolov::picControl_ContextMenu(int x, int y) {
    if (state_.CellSize <= 0 || x < 0 || y < 0) return nullptr;
    const Cell cell{x / state_.CellSize, y / state_.CellSize};
    if (cell.x > state_.GridMax || cell.y > state_.GridMax) return nullptr;
    return lookupMenu(foundWordAt(state_, cell));
}

void frmSlovolov::fillSlovarMenu() {
    MenuSlovar->clear();
    for (int i = 0; i < static_cast<int>(state_.Slova.size()); ++i) {
        const std::string word = state_.Slova[static_cast<size_t>(i)];
        if (word.empty()) continue;
        MenuSlovar->addAction(QString::number(i + 1) + QStringLiteral(") ") + smek::fromCp1251(word), this,
                              [this, word] { CodeText(word); });
    }
}

// ---- Saved games ----

void frmSlovolov::SaveFileDialog(int index) {
    // A saved game holds the level's slots; other own words would make a file
    // that never opens.
    if (state_.own && !fitsLevelSlots(state_)) {
        prompts_.message(QStringLiteral("Головоломку из своих слов можно сохранить как игру, только когда её слова "
                                        "совпадают со словами уровня по числу и длине.\n\n"
                                        "Чтобы сохранить её, запишите список слов («Своя головоломка…», "
                                        "«Сохранить список…») или саму доску («Сохранить в PDF…»)."),
                         smek::Prompts::Icon::Information);
        return;
    }
    // A board left half-built by a missing word file would save as a file
    // that never opens again.
    if (!completeGame(state_)) {
        prompts_.error(QStringLiteral("Игра построена не полностью, сохранить её не возможно."));
        return;
    }
    if (!state_.FileName.empty() && index != 1)
        SaveFile(smek::fromPath(state_.FileName));
    else
        ShowSaveDialog();
}

void frmSlovolov::ShowSaveDialog() {
    const QString proposed = state_.FileName.empty() ? QString() : smek::fromPath(smek::fileNamePart(state_.FileName));
    const QString name = smek::askFileName(prompts_, places_, "slv", -1, proposed, kFilter, kAllFiles);
    if (!name.isEmpty()) SaveFile(name);
}

void frmSlovolov::SaveFile(const QString& name) {
    const smek::SaveOutcome outcome = SaveGame(state_, smek::toPath(name), smek::replaceQuestion(prompts_));
    if (outcome.kind == smek::SaveOutcome::Kind::Failed) prompts_.error(smek::fromUtf8(outcome.message));
}

void frmSlovolov::OpenFile() {
    const QString name = smek::askFileName(prompts_, places_, "slv", 0, QString(), kFilter, kAllFiles);
    if (name.isEmpty() || !loseQuestion->mayLose(state_.Remain >= 0)) return;
    OpenNamedFile(name);
}

void frmSlovolov::OpenNamedFile(const QString& name) {
    const smek::OpenOutcome outcome = OpenGame(state_, smek::toPath(name));
    if (!outcome.ok) {
        prompts_.error(smek::fromUtf8(outcome.message));
        return;
    }
    showOpenedGame();
}

void frmSlovolov::showOpenedGame() {
    // The old game's clock and refill must not tick on the opened game while
    // pending events run below.
    tmTimer->stop();
    tmNewBukvy->stop();
    picBox->clear();
    for (int i = 0; i <= state_.NumWords; ++i) AddSlovo(i);
    QApplication::processEvents();
    NewGame(1);
}

std::filesystem::path frmSlovolov::resumeFile() const {
    return std::filesystem::path(places_.own) / kResumeFile;
}

bool frmSlovolov::resumeGame() {
    const std::optional<KeptGame> kept = takeResume(resumeFile());
    if (!kept || !prompts_.question(QStringLiteral("Продолжить прерванную игру?"), smek::Prompts::Icon::None, false))
        return false;
    applyLoaded(state_, kept->game);
    state_.FileName.clear(); // "Сохранить" asks for a name: the kept file is no saved game
    showOpenedGame();
    // Counted as started before the close: its next move is no new game.
    if (kept->started) firstMove_.alreadyStarted();
    return true;
}

// ---- Own puzzles ----

void frmSlovolov::MenuOwn_Click() {
    OwnPuzzleDialog dialog(this, prompts_, places_, state_.settings, *random_,
                           [this](GameState&& game) { return playOwnGame(std::move(game)); });
    prompts_.showModal(dialog);
}

bool frmSlovolov::playOwnGame(GameState&& game) {
    if (!loseQuestion->mayLose(state_.Remain >= 0)) return false;
    game.theme = state_.theme;
    state_ = std::move(game);
    showOpenedGame();
    return true;
}

// ---- Dictionary look-up ----
// The dictionary refuses to be shown inside another page's frame, so its
// article opens directly, without the designed banner frameset.
void frmSlovolov::CodeText(const std::string& word) {
    smek::SaveFileUrl(prompts_, places_, lookupAddress(word));
}

// ---- Clock, refill and end of game ----

void frmSlovolov::NewTime() {
    if (smek::slovolov::NewTime(state_)) {
        EndGame(1);
        return;
    }
    lblTimer->setText(QString::fromStdString(timerCaption(state_.OstMin, state_.OstSec)));
}

void frmSlovolov::NewBukvy() {
    for (const Cell& c : smek::slovolov::NewBukvy(state_, *random_)) ShowBukva(c.x, c.y, kWhite);
}

void frmSlovolov::tmNewBukvy_Timer() {
    tmNewBukvy->stop();
    NewBukvy();
}

void frmSlovolov::EndGame(int mode) {
    const int size = state_.CellSize;
    for (const Cell& c : clearFillers(state_))
        picControl->fillRect(c.x * size + 1, c.y * size + 1, c.x * size + size - 1, c.y * size + size - 1, Qt::white);
    markMissedWords();
    if (mode == 0) {
        firstMove_.moved(); // giving up plays the game too
        firstMove_.ended(smek::Outcome::GivenUp);
    }
    if (mode == 1) StopGame(1);
}

void frmSlovolov::StopGame(int mode) {
    tmNewBukvy->stop();
    tmTimer->stop();
    picControl->setEnabled(false);
    MenuEndGame->setEnabled(false);
    pauseCover->drop();
    MenuPause->setChecked(false);
    MenuPause->setEnabled(false);
    boardInput->gameEnded();
    state_.Remain = -1;
    if (mode == 0)
        firstMove_.ended(smek::Outcome::Won, state_.level(), gameClock_.isValid() ? gameClock_.elapsed() / 1000 : -1);
    else
        firstMove_.ended(smek::Outcome::LostOnTime);
    QApplication::processEvents();
    Proigrysh = mode;
    smek::frmEnd banner(this, Proigrysh);
    prompts_.showModal(banner);
}

// ---- Start-up and settings ----

void frmSlovolov::Form_Unload() {
    if (unloaded_ || endRequested_) return;
    unloaded_ = true;
    tmTimer->stop();
    tmNewBukvy->stop();
    SaveFileINI(smek::settingsToWrite(places_, kSettingsFile), state_.settings); // fails silently, as designed
}

void frmSlovolov::closeEvent(QCloseEvent* event) {
    // A game in progress is kept for the next start; only when it cannot be
    // kept would closing lose it.
    if (!unloaded_ && !endRequested_ && !keepForResume(state_, resumeFile(), statistics_.inPlay()) &&
        !loseQuestion->mayLose(state_.Remain >= 0)) {
        event->ignore();
        return;
    }
    Form_Unload();
    QMainWindow::closeEvent(event);
}

} // namespace smek::slovolov
