// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmForma.h"

#include "common/core/NumberText.h"
#include "common/core/Paths.h"
#include "common/ui/AppStart.h"
#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/SaveWebPage.h"
#include "common/ui/TypingFilter.h"
#include "common/ui/apiOpenSave.h"
#include "common/ui/frmEnd.h"
#include "common/ui/SharedMenu.h"
#include "common/core/FileMessages.h"
#include "common/core/TextDetect.h"
#include "common/core/LockedUpdate.h"
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/Isklyucheniya.h"
#include "slovoset/core/PrintPages.h"
#include "slovoset/core/ProverkaOtveta.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/WebPage.h"
#include "slovoset/core/SettingsIni.h"
#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/StartGame.h"
#include "slovoset/core/TekstKakNapisan.h"
#include "dlgIsklyucheniya.h"
#include "upPictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <algorithm>

namespace smek::slovoset {
namespace {

const QString kCaption = QStringLiteral("Смекалия - Словосеть");
// Twips of the designed client area above the labels that stay out: the band
// holds no control and would stand empty under the menu bar. Every designed
// top moves up by it, the strip's pixel tops too.
constexpr int kBand = 960;
constexpr int kPanelTopDesigned = 226 - smek::tw(kBand);
constexpr int kPanelTopHidden = 88 - smek::tw(kBand);
constexpr int kPanelTopStep = 156;
// The picUp pair sits at the right end of the strip; each widget is a little
// larger than its 24 x 24 active area.
constexpr int kUpLeft = 556;
constexpr int kUpTop = 1;
constexpr int kUpBox = 27;
constexpr int kUpActive = 24;

const smek::FilterPair kAllFiles{QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")};
const smek::FilterPair kGameFiles{QStringLiteral("Словосети (*.sst)"), QStringLiteral("*.sst")};
const smek::FilterPair kPages{QStringLiteral("Словосети (*.html)"), QStringLiteral("*.html")};
const smek::FilterPair kTexts{QStringLiteral("Тексты (*.txt)"), QStringLiteral("*.txt")};
// The client area as designed less the band, in twips; the window starts at this size.
constexpr int kClientWidth = 11895;
constexpr int kClientHeight = 8175 - kBand;

// Repaints without taking the player's input, so nothing can be started
// again while a puzzle is being built.
void letPaintsRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void placeLabel(QLabel* label, const QRect& rect) {
    label->setFont(smek::sansFont(9.75, true));
    label->setGeometry(rect);
}

} // namespace

frmForma::frmForma(Puzzle& puzzle, smek::Prompts& prompts, const QString& programFolder, smek::Places places)
    : p_(puzzle), prompts_(prompts), programFolder_(programFolder), places_(std::move(places)),
      statistics_(std::filesystem::path(places_.own) / "slovoset-statistics"),
      isklyucheniyaFile_(places_.userData / "slovoset" / "excluded-words.txt") {
    setWindowTitle(QStringLiteral("Словосеть"));
    setFont(smek::sansFont(12, true));
    buildControls();
    buildMenu();
    usrSlova1->Start();
    for (int n = 3; n <= 24; ++n)
        selLenSlov->addItem(QStringLiteral("Длина слов от") + smek::fromUtf8(smek::signedNumberText(n)) +
                            QStringLiteral(" букв"));
    selLenSlov->setCurrentIndex(std::clamp(p_.LenSlov, 0, 21));
    connect(selLenSlov, &QComboBox::currentIndexChanged, this, &frmForma::selLenSlov_Click);
    // The designed size to start with; a long text reads better in a larger one.
    setMinimumSize(sizeHint());
    resize(sizeHint());
}

void frmForma::buildControls() {
    auto* client = new QWidget(this);
    client->setMinimumSize(smek::tw(kClientWidth), smek::tw(kClientHeight));
    client->resize(client->minimumSize());
    client->installEventFilter(this);
    client_ = client;
    setCentralWidget(client);

    Label1 = new QLabel(QStringLiteral("Исходный текст: "), client);
    placeLabel(Label1, smek::twRect(120, 1080 - kBand, 1890, 240));

    Text1 = new QPlainTextEdit(client);
    Text1->setGeometry(smek::twRect(120, 1320 - kBand, 8775, 2055));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setTabChangesFocus(true);

    usrMyWeb1 = new usrMyWeb(client);
    usrMyWeb1->setGeometry(smek::twRect(120, 3840 - kBand, 8775, 4095));

    // The strip lies above the view: at its lower top (244 px as designed, less
    // the band) it covers the view's top edge, so the view starts its page below
    // the strip.
    picPanel = new QWidget(client);
    picPanel->setGeometry(smek::tw(120), kPanelTopDesigned, smek::tw(8775), smek::tw(420));
    picPanel->setFont(smek::sansFont(8.25));
    picPanel->setAutoFillBackground(true);

    Label2 = new QLabel(QStringLiteral("Текст с ответами:"), picPanel);
    placeLabel(Label2, smek::twRect(0, 180, 2025, 240));
    kTypGame[0] = new QPushButton(QStringLiteral("Играть"), picPanel);
    kTypGame[0]->setGeometry(smek::twRect(2160, 30, 1215, 375));
    kTypGame[1] = new QPushButton(QStringLiteral("Создать"), picPanel);
    kTypGame[1]->setGeometry(smek::twRect(3480, 30, 1335, 375));
    for (int i = 0; i < 2; ++i) connect(kTypGame[i], &QPushButton::clicked, this, [this, i] { kTypGame_Click(i); });
    selLenSlov = new QComboBox(picPanel);
    selLenSlov->setGeometry(smek::twRect(4920, 0, 3375, 420));

    picUpImage = drawUpPictures(picPanel->devicePixelRatioF());
    picUp2 = drawUpPressedPictures(picPanel->devicePixelRatioF());
    for (int i = 0; i < 2; ++i) {
        picUp[i] = new smek::PictureBox(picPanel);
        picUp[i]->setBackground(picPanel->palette().color(QPalette::Window));
        picUp[i]->setOuterSize(kUpBox, kUpBox);
        picUp[i]->move(kUpLeft, kUpTop);
        picUp[i]->paste(0, 0, picUpImage[i]);
        picUp[i]->setCursor(Qt::PointingHandCursor);
        connect(picUp[i], &smek::PictureBox::mouseDown, this, [this, i](Qt::MouseButton, int x, int y) { picUp_MouseDown(i, x, y); });
        connect(picUp[i], &smek::PictureBox::mouseUp, this, [this, i](Qt::MouseButton, int, int) { picUp_MouseUp(i); });
    }
    // The source is shown at start, so the button that hides it is the one offered.
    picUp[0]->setToolTip(QStringLiteral("Скрыть исходный текст"));
    picUp[1]->setToolTip(QStringLiteral("Показать исходный текст"));
    picUp[1]->hide();

    Label3 = new QLabel(QStringLiteral("Введите слово:"), client);
    placeLabel(Label3, smek::twRect(9000, 1080 - kBand, 1740, 240));
    txtAddSlovo = new QLineEdit(client);
    txtAddSlovo->setGeometry(smek::twRect(9000, 1320 - kBand, 2055, 420));
    txtAddSlovo->installEventFilter(this);
    new smek::TypingFilter(txtAddSlovo, [](const QString& typed) { return !txtAddSlovo_KeyPress(typed); });
    // "Вставить" and Ctrl+V bring text past the keys: it keeps only what typing lets in.
    smek::filterInsertedText(txtAddSlovo, [](QChar c) { return txtAddSlovo_KeyPress(QString(c)) && c.unicode() >= 0x20; });
    connect(txtAddSlovo, &QLineEdit::textChanged, this, &frmForma::txtAddSlovo_Change);
    setAnswerBox(false);
    kOtvet = new QPushButton(QStringLiteral(">>"), client);
    kOtvet->setGeometry(smek::twRect(11160, 1320 - kBand, 615, 420));
    kOtvet->setFont(smek::sansFont(13.5, true));
    kOtvet->setEnabled(false);
    connect(kOtvet, &QPushButton::clicked, this, &frmForma::kOtvet_Click);

    usrSlova1 = new usrSlova(client);
    usrSlova1->move(smek::tw(9000), smek::tw(1800 - kBand));
    usrSlova1->wordOfLine = [this](int line) {
        const SkrytoeSlovo& w = slovoOfLine(p_, line);
        return usrSlova::LineWord{slovoKakNapisano(p_, w), w.Vybrano, w.Otgadano};
    };
    usrSlova1->typGame = [this] { return p_.TypGame; };
    usrSlova1->gotovo = [this] { return p_.Gotovo == 1; };
    connect(usrSlova1, &usrSlova::iconClicked, this, &frmForma::usrSlova1_IconClick);
    connect(usrSlova1, &usrSlova::lineChosen, this, &frmForma::usrSlova1_LineChosen);
    connect(usrSlova1, &usrSlova::excludeRequested, this, &frmForma::usrSlova1_Isklyuchit);

    lblVybrano = new QLabel(client);
    lblVybrano->setFont(smek::sansFont(8.25, true));
    lblVybrano->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblVybrano->hide();

    Text2 = new QPlainTextEdit(client);
    Text2->setGeometry(smek::twRect(4440, 2160 - kBand, 2655, 855));
    Text2->hide();
    layoutControls();
}

void frmForma::layoutControls() {
    const int growX = std::max(client_->width() - smek::tw(kClientWidth), 0);
    const int growY = std::max(client_->height() - smek::tw(kClientHeight), 0);
    Text1->resize(smek::tw(8775) + growX, Text1->height());
    picPanel->resize(smek::tw(8775) + growX, picPanel->height());
    for (smek::PictureBox* up : picUp) up->move(kUpLeft + growX, kUpTop);
    usrMyWeb1->setGeometry(smek::tw(120), smek::tw(3840 - kBand), smek::tw(8775) + growX, smek::tw(4095) + growY);
    Label3->move(smek::tw(9000) + growX, smek::tw(1080 - kBand));
    txtAddSlovo->move(smek::tw(9000) + growX, smek::tw(1320 - kBand));
    kOtvet->move(smek::tw(11160) + growX, smek::tw(1320 - kBand));
    usrSlova1->move(smek::tw(9000) + growX, smek::tw(1800 - kBand));
    usrSlova1->setVisibleLines(kVisibleLines + growY / kLineHeight);
    lblVybrano->setGeometry(usrSlova1->x(), usrSlova1->geometry().bottom() + 1, usrSlova1->width(),
                            client_->height() - usrSlova1->geometry().bottom() - 1);
}

void frmForma::showVybrano() {
    if (p_.TypGame != 1 || p_.Gotovo != 1) {
        lblVybrano->hide();
        return;
    }
    int chosen = 0;
    for (int line = 0; line <= p_.MaxSpisok; ++line) chosen += slovoOfLine(p_, line).Vybrano == 1 ? 1 : 0;
    lblVybrano->setText(QStringLiteral("Выбрано слов: %1 из %2").arg(chosen).arg(p_.MaxSpisok + 1));
    // An empty puzzle would export with no hints and no answers.
    QPalette pal = lblVybrano->palette();
    pal.setColor(QPalette::WindowText, chosen == 0 ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    lblVybrano->setPalette(pal);
    lblVybrano->show();
}

void frmForma::buildMenu() {
    // The menu keeps the system font (the application's), not the window's
    // big bold one: named in full, as a font that sets nothing would inherit it.
    menuBar()->setFont(smek::sansFont(8));
    QMenu* mFile = menuBar()->addMenu(QStringLiteral("Файл"));
    mFileOpen = mFile->addAction(QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O), this, &frmForma::mFileOpen_Click);
    mFileOpenText = mFile->addAction(QStringLiteral("Открыть текст…"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                                     &frmForma::mFileOpenText_Click);
    mFileSave = mFile->addAction(QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S), this, &frmForma::mFileSave_Click);
    mFileSave->setEnabled(false);
    // A created puzzle can also leave as one page to play in a browser.
    mFileSaveWeb = mFile->addAction(smek::saveWebPageCaption(), this, &frmForma::mFileSaveWeb_Click);
    mFileSaveWeb->setEnabled(false);
    connect(mFile, &QMenu::aboutToShow, this, [this] { mFileSaveWeb->setEnabled(canSaveWebPage()); });
    // The designed pages are exported unless the author asks for pages made for printing.
    mFilePlain = mFile->addAction(QStringLiteral("Простые страницы"));
    mFilePlain->setCheckable(true);
    mFilePlain->setChecked(true);
    mFileIsklyucheniya = mFile->addAction(QStringLiteral("Исключённые слова..."), this, &frmForma::mFileIsklyucheniya_Click);
    smek::StatistikaRows rows;
    rows.lostOnTime = false; // no clock in this game
    rows.givenUp = QStringLiteral("Закончено с открытыми словами:");
    rows.hints = QStringLiteral("Слов открыто без отгадки:");
    mStatistika = smek::addStatistikaEntry(mFile, this, prompts_, statistics_, rows);
    mFileExit = smek::addExitEntry(mFile, this);
    const smek::HelpMenu help = smek::addHelpMenu(menuBar(), this, prompts_, places_,
                                                  smek::helpPagePath(programFolder_, QStringLiteral("Словосеть.htm")),
                                                  QStringLiteral("Справка"));
    HelpCallHelp = help.callHelp;
    HelpOprog = help.about;
}

void frmForma::closeEvent(QCloseEvent* event) {
    SaveFileINI(smek::settingsToWrite(places_, kSettingsFile), p_.LenSlov); // fails silently, as designed
    event->accept();
}

void frmForma::NewCaption(const std::string& path) {
    p_.ImyaFile = path;
    QString caption = kCaption;
    if (p_.TypGame == 0 || p_.TypGame == 1) caption += QStringLiteral(" - ") + kTypGame[p_.TypGame]->text();
    if (!path.empty()) caption = smek::fromPath(smek::fileNamePart(path)) + QStringLiteral(" - ") + caption;
    setWindowTitle(caption);
}

void frmForma::ShowHtml(const std::string& html) {
    text2_ = htmlViewBody(html);
    Text2->setPlainText(smek::fromCp1251(text2_));
    usrMyWeb1->LoadHtml(smek::fromCp1251(htmlViewDocument(html)));
    showVybrano(); // every change of the choice shows itself through here
    letPaintsRun();
}

void frmForma::picUp_MouseDown(int index, int x, int y) {
    if (x < 0 || x > kUpActive || y < 0 || y > kUpActive) return;
    picUp[index]->paste(0, 0, picUp2[index]);
    UpState = QStringLiteral("Up");
}

void frmForma::picUp_MouseUp(int index) {
    if (UpState == QStringLiteral("Up")) {
        const bool show = index == 1;
        picUp[0]->setVisible(show);
        picUp[1]->setVisible(!show);
        Text1->setVisible(show);
        kTypGame[0]->setVisible(show);
        kTypGame[1]->setVisible(show);
        Label1->setVisible(show);
        picPanel->move(picPanel->x(), index * kPanelTopStep + kPanelTopHidden);
        usrMyWeb1->setCoveredTop(picPanel->geometry().bottom() + 1 - usrMyWeb1->y());
    }
    picUp[index]->clear();
    picUp[index]->paste(0, 0, picUpImage[index]);
    UpState.clear();
}

void frmForma::setAnswerBox(bool enabled) {
    txtAddSlovo->setEnabled(enabled);
    QPalette pal = txtAddSlovo->palette();
    const QColor back = enabled ? QColor(Qt::white) : palette().color(QPalette::Window);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Disabled, QPalette::Base, back);
    txtAddSlovo->setPalette(pal);
    txtAddSlovo->clear();
    if (enabled) txtAddSlovo->setFocus();
}

void frmForma::repaintList() {
    usrSlova1->Start();
    for (int line = 0; line <= p_.MaxSpisok; ++line) usrSlova1->AddSlovo();
}

void frmForma::kTypGame_Click(int index) {
    if (needsCreateQuestion(p_, index) &&
        !prompts_.question(QStringLiteral("Создать словосеть?"), smek::Prompts::Icon::Warning, true))
        return;
    // Read afresh, so that a list edited meanwhile (or by hand) counts.
    p_.Isklyucheniya = readIsklyucheniya(isklyucheniyaFile_);
    if (!StartGame(p_, index, Text1->toPlainText().toStdString())) return;
    NewCaption({});
    setAnswerBox(index == 0);

    kTypGame[0]->setEnabled(false);
    kTypGame[1]->setEnabled(false);
    usrSlova1->Start();
    ShowHtml(kIdetAnaliz);
    const AnalizOutcome outcome = AnalizTexta(p_, 0);
    if (outcome.html) ShowHtml(*outcome.html);
    repaintList();
    if (outcome.message != AnalizMessage::None) prompts_.error(smek::fromUtf8(analizMessageText(outcome.message)));
    else noteWithoutStandIn();
    kTypGame[0]->setEnabled(true);
    kTypGame[1]->setEnabled(true);
    mFileSave->setEnabled(outcome.mFileSave);
    if (index == 0 && p_.MaxSpisok >= 0) firstMove_.dealt();
    else firstMove_.left();
}

void frmForma::noteWithoutStandIn() {
    const std::string note = withoutStandInNote(p_);
    if (note.empty() || p_.Tekst == notedTekst_) return; // once for a text
    notedTekst_ = p_.Tekst;
    prompts_.message(smek::fromUtf8(note), smek::Prompts::Icon::Information);
}

void frmForma::selLenSlov_Click(int index) {
    if (index < 0) return;
    p_.LenSlov = index;
    if (p_.Gotovo != 1) return;
    selLenSlov->setEnabled(false);
    kTypGame[0]->setEnabled(false);
    kTypGame[1]->setEnabled(false);
    const SelectSlovoResult result = SelectSlovo(p_);
    repaintList();
    ShowHtml(kIdetAnaliz);
    ShowHtml(result.show.html);
    mFileSave->setEnabled(result.show.mFileSave);
    selLenSlov->setEnabled(true);
    kTypGame[0]->setEnabled(true);
    kTypGame[1]->setEnabled(true);
    if (result.showBanner) showEndBanner();
}

void frmForma::ShowSlovo() {
    // After an answer or an icon click the reader stays where they were.
    const int top = usrMyWeb1->scrollTop();
    ShowHtml(kIdetAnaliz);
    const ShowSlovoResult result = smek::slovoset::ShowSlovo(p_);
    ShowHtml(result.html);
    usrMyWeb1->setScrollTop(top);
    mFileSave->setEnabled(result.mFileSave);
}

void frmForma::usrSlova1_LineChosen(int line) {
    if (line < 0 || line > p_.MaxSpisok) return;
    // Only an underlined word is shown: a hidden one keeps its place secret.
    const SkrytoeSlovo& word = slovoOfLine(p_, line);
    if (word.Vybrano != 1) return;
    usrMyWeb1->showMark(shownMarksBefore(p_.Tekst, word.Nachalo, p_.Napisano));
}

void frmForma::showEndBanner() {
    // A word revealed from the list is a word given up on: only all guessed is a win.
    if (p_.TypGame == 0) firstMove_.ended(p_.Ugadano == p_.MaxSpisok ? smek::Outcome::Won : smek::Outcome::GivenUp);
    smek::frmEnd banner(this, p_.Ugadano, p_.MaxSpisok, txtAddSlovo);
    prompts_.showModal(banner);
}

void frmForma::ShowLineSlovo(int line) {
    usrSlova1->ShowLineSlovo(line);
    if (noteOpened(p_)) showEndBanner();
}

void frmForma::usrSlova1_IconClick(int line) {
    SkrytoeSlovo& word = slovoOfLine(p_, line);
    word.Vybrano = 1 - word.Vybrano;
    usrSlova1->drawIcon(line);
    if (p_.TypGame == 0) {
        firstMove_.moved();
        statistics_.hintUsed(); // revealed instead of guessed
    }
    letPaintsRun();
    ShowSlovo();
    if (p_.TypGame == 0) ShowLineSlovo(line);
}

// Only Russian letters, in either case, reach the box from the keyboard.
bool frmForma::txtAddSlovo_KeyPress(const QString& typed) {
    const std::string code = smek::toCp1251(typed.left(1));
    return answerKeyPasses(code.empty() ? 0 : static_cast<unsigned char>(code[0]));
}

void frmForma::txtAddSlovo_Change() {
    kOtvet->setEnabled(txtAddSlovo->text().size() > 1);
}

bool frmForma::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) layoutControls();
    if (watched == txtAddSlovo && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter checks on the press: a check on the release would run again
        // for the Enter that closes the message about a wrong word.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (kOtvet->isEnabled()) kOtvet_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmForma::kOtvet_Click() {
    if (p_.TypGame != 0 || !txtAddSlovo->isEnabled()) return;
    firstMove_.moved();
    const Otvet otvet = ProverkaOtveta(p_, smek::toCp1251(txtAddSlovo->text()));
    switch (otvet.kind) {
    case Otvet::Kind::Opened:
        letPaintsRun();
        ShowLineSlovo(otvet.line);
        if (txtAddSlovo->isEnabled()) {
            txtAddSlovo->clear();
            txtAddSlovo->setFocus();
        }
        ShowSlovo();
        return;
    case Otvet::Kind::AlreadyOpen: prompts_.error(smek::fromUtf8(kUzheOtkryto)); return;
    case Otvet::Kind::Wrong: prompts_.error(smek::fromUtf8(kNeZagadano)); return;
    }
}

void frmForma::mFileIsklyucheniya_Click() {
    const std::set<std::string> before = readIsklyucheniya(isklyucheniyaFile_);
    dlgIsklyucheniya dialog(this, smek::fromCp1251(isklyucheniyaText(before)).trimmed());
    prompts_.showModal(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    const std::set<std::string> words = parseIsklyucheniya(smek::toCp1251(dialog.txtSlova->toPlainText()));
    saveIsklyucheniya(before, words);
    if (p_.TypGame != 1 || p_.Gotovo != 1 || words == before) return;
    // The created puzzle follows the list at once, keeping the author's ticks.
    const int top = usrSlova1->VScroll1->value();
    const AnalizOutcome outcome = primenitIsklyucheniya(p_, words);
    repaintList();
    usrSlova1->VScroll1->setValue(top);
    ShowHtml(outcome.html ? *outcome.html : smek::slovoset::ShowSlovo(p_).html);
    mFileSave->setEnabled(outcome.mFileSave);
    if (outcome.message != AnalizMessage::None) prompts_.error(smek::fromUtf8(analizMessageText(outcome.message)));
}

void frmForma::usrSlova1_Isklyuchit(int line) {
    if (p_.TypGame != 1 || p_.Gotovo != 1 || line < 0 || line > p_.MaxSpisok) return;
    saveIsklyucheniya({}, {slovoOfLine(p_, line).Slovo});
    isklyuchitSlovo(p_, line);
    const int top = usrSlova1->VScroll1->value();
    repaintList();
    usrSlova1->VScroll1->setValue(top);
    ShowSlovo();
}

void frmForma::saveIsklyucheniya(const std::set<std::string>& before, const std::set<std::string>& after) {
    // A change given up because another window held the list too long is lost quietly, as any per-user file's.
    if (const std::error_code error = updateIsklyucheniya(isklyucheniyaFile_, before, after); error && error != smek::kBusy) {
        prompts_.error(smek::fromUtf8(smek::fileMessage(isklyucheniyaFile_.string(), smek::saveFailureTail(error))));
    }
}

void frmForma::reportSave(const SaveOutcome& outcome) {
    if (outcome.kind == SaveOutcome::Kind::Saved) NewCaption(p_.ImyaFile);
    if (outcome.kind == SaveOutcome::Kind::Failed) prompts_.error(smek::fromUtf8(outcome.message));
}

void frmForma::mFileSave_Click() {
    if (p_.TypGame == 1) SaveHtml();
    else if (p_.TypGame == 0) SaveGame();
}

void frmForma::SaveGame() {
    const QString path = smek::askFileName(prompts_, places_, "sst", -1, smek::fromPath(proposedName(p_.ImyaFile)),
                                           {kGameFiles}, kAllFiles);
    if (path.isEmpty()) return;
    reportSave(smek::slovoset::SaveGame(p_, smek::toPath(path), smek::replaceQuestion(prompts_)));
}

bool frmForma::askNazvanie() {
    const std::optional<QString> title =
        prompts_.inputText(QStringLiteral("Введите название словосети"), smek::fromCp1251(p_.Nazvanie));
    p_.Nazvanie = title ? smek::toCp1251(*title) : std::string();
    return !p_.Nazvanie.empty();
}

bool frmForma::canSaveWebPage() const { return p_.TypGame == 1 && mFileSave->isEnabled(); }

void frmForma::mFileSaveWeb_Click() {
    if (!canSaveWebPage() || !askNazvanie()) return;
    const QString proposed = smek::fromCp1251(smek::fileNameOfTitle(p_.Nazvanie));
    smek::saveWebPage(prompts_, places_, proposed, [this] { return webPage(p_, p_.Nazvanie); });
}

void frmForma::SaveHtml() {
    if (!askNazvanie()) return;
    // A title may hold characters a file name cannot ("Лес/Поле"): the name
    // proposed is cleaned of them; the pages keep the title as typed.
    const QString proposed = smek::fromCp1251(smek::fileNameOfTitle(p_.Nazvanie));
    const QString path = smek::askFileName(prompts_, places_, "html", -1, proposed, {kPages}, kAllFiles);
    if (path.isEmpty()) return;
    const smek::AskReplace ask = smek::replaceQuestion(prompts_);
    const std::vector<SaveOutcome> outcomes = mFilePlain->isChecked()
                                                  ? smek::slovoset::SaveHtml(p_, smek::toPath(path), text2_, ask)
                                                  : smek::slovoset::SaveHtml(p_, smek::toPath(path), printPages(p_, p_.Nazvanie), ask);
    for (const SaveOutcome& outcome : outcomes) {
        reportSave(outcome);
        letPaintsRun();
    }
}

void frmForma::mFileOpen_Click() {
    const QString path = smek::askFileName(prompts_, places_, "sst", 0, smek::fromPath(proposedName(p_.ImyaFile)),
                                           {kGameFiles}, kAllFiles);
    if (path.isEmpty()) return;
    OpenNamedGame(path);
}

void frmForma::mFileOpenText_Click() {
    const QString path = smek::askFileName(prompts_, places_, "txt", 0, {}, {kTexts}, kAllFiles);
    if (!path.isEmpty()) OpenNamedText(path);
}

void frmForma::OpenNamedText(const QString& path) {
    const std::string name = smek::toPath(path);
    const smek::ReadResult file = smek::readTextFile(name);
    if (file.error) {
        prompts_.error(smek::fromUtf8(smek::fileMessage(name, smek::openFailureTail(file))));
        return;
    }
    const std::optional<smek::DecodedText> text = smek::decodeText(file.content);
    if (!text) {
        prompts_.error(QStringLiteral("Файл \"") + path + QStringLiteral("\" не похож на текст."));
        return;
    }
    Text1->setPlainText(smek::fromUtf8(text->utf8));
    if (Text1->isHidden()) { // the text goes where the author can see it
        UpState = QStringLiteral("Up");
        picUp_MouseUp(1);
    }
    Text1->setFocus();
}

void frmForma::OpenNamedGame(const QString& path) {
    const OpenOutcome outcome = OpenGame(p_, smek::toPath(path));
    if (!outcome.ok) {
        prompts_.error(smek::fromUtf8(outcome.message));
        return;
    }
    {
        // The puzzle is rebuilt already; the choice only has to show it.
        const QSignalBlocker quiet(selLenSlov);
        selLenSlov->setCurrentIndex(p_.LenSlov);
    }
    repaintList();
    ShowHtml(outcome.select.show.html);
    mFileSave->setEnabled(outcome.select.show.mFileSave);
    // "Играть" afterwards plays the opened text, not whatever the box held.
    Text1->setPlainText(smek::fromUtf8(sourceTextOf(writtenText(p_))));
    setAnswerBox(true);
    NewCaption(outcome.path);
    if (outcome.select.showBanner) firstMove_.left(); // its end was counted when it was played
    else firstMove_.dealt();
    if (outcome.select.showBanner) showEndBanner();
}

} // namespace smek::slovoset
