#include "frmForma.h"

#include "bukvoklad/core/NewGame.h"
#include "bukvoklad/core/Play.h"
#include "bukvoklad/core/Settings.h"
#include "common/ui/AppStart.h"
#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/frmEnd.h"
#include "common/ui/frmOprog.h"
#include "common/ui/frmWeb.h"
#include "frmOptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenuBar>

namespace smek::bukvoklad {
namespace {

constexpr int kBoardHeight = 34; // the outline runs from y = 0 to y = 33
const QColor kLine(Qt::black);

QString helpPage() {
    return helpPagePath(QStringLiteral("Буквоклад.htm"));
}

} // namespace

frmForma::frmForma(Game& game, Prompts& prompts, Random& random, std::function<void()> endProgram, Places places)
    : game_(game), prompts_(prompts), random_(random), endProgram_(std::move(endProgram)), places_(std::move(places)) {
    setWindowTitle(QStringLiteral("Смекалия: Буквоклад"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    auto* client = new QWidget(this);
    client->setFixedSize(tw(9480), tw(3345));
    setCentralWidget(client);

    // Created in tab order: the answer box comes first.
    Text1 = new QLineEdit(client);
    Text1->setGeometry(twRect(120, 2040, 6855, 465));
    Text1->setFont(serifFont(15.75));
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, &frmForma::Text1_Change);

    kNew = new QPushButton(QStringLiteral("Новая игра"), client);
    kNew->setGeometry(twRect(120, 2640, 2535, 495));
    kNew->setFont(sansFont(13.5));
    connect(kNew, &QPushButton::clicked, this, &frmForma::kNew_Click);

    kSdatsya = new QPushButton(QStringLiteral("Сдаться"), client);
    kSdatsya->setGeometry(twRect(2880, 2640, 2535, 495));
    kSdatsya->setFont(sansFont(13.5));
    kSdatsya->setEnabled(false);
    connect(kSdatsya, &QPushButton::clicked, this, &frmForma::kSdatsya_Click);

    Label1 = new QLabel(QStringLiteral("Составьте из этих букв слово"), client);
    Label1->setGeometry(twRect(120, 1020, 3195, 285));
    Label1->setFont(serifFont(12, true));

    picControl = new PictureBox(client);
    picControl->move(tw(15), tw(1320));
    picControl->setBackground(Qt::white);
    picControl->setDrawFont(serifFont(20.25, true));
    picControl->setOuterSize(tw(5820), tw(510));
    picControl->clear();

    lbVremya = new QLabel(QStringLiteral("Время:"), client);
    lbVremya->setGeometry(twRect(7200, 2160, 900, 330));
    lbVremya->setFont(serifFont(14.25, true));
    lbVremya->hide();

    lblTimer = new QLabel(QStringLiteral("00"), client);
    lblTimer->setGeometry(twRect(8160, 2160, 300, 330));
    lblTimer->setFont(serifFont(14.25, true));
    lblTimer->hide();

    tmTimer = new QTimer(this);
    tmTimer->setInterval(1000);
    connect(tmTimer, &QTimer::timeout, this, &frmForma::NewTime);

    buildMenu();
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
}

void frmForma::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Меню"));
    MenuOptions = menu->addAction(QStringLiteral("Опции"), this, &frmForma::MenuOptions_Click);
    MenuOptions->setShortcut(QKeySequence(Qt::Key_F6));
    menu->addSeparator();
    FileExit = menu->addAction(QStringLiteral("Выход"), this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
    HelpCallHelp = help->addAction(QStringLiteral("Вызов справки"), this, &frmForma::HelpCallHelp_Click);
    HelpCallHelp->setShortcut(QKeySequence(Qt::Key_F1));
    HelpAbout = help->addAction(QStringLiteral("О программе"), this, &frmForma::HelpAbout_Click);
}

void frmForma::drawEmptyBoard(int cells) {
    picControl->setOuterSize(kCell * cells, kBoardHeight);
    picControl->clear();
    picControl->outlineRect(0, 0, kCell * cells - 1, kBoardHeight - 1, kLine);
    for (int k = 1; k < cells; ++k) picControl->line(kCell * k, 0, kCell * k, kBoardHeight - 2, kLine);
}

void frmForma::drawLetter(int cell, char letter) {
    const QString text = fromCp1251(std::string(1, letter));
    const double width = QFontMetricsF(picControl->drawFont()).horizontalAdvance(text);
    picControl->text(kCell * cell + letterOffset(width), 0, text, kLine);
}

void frmForma::NewGame() {
    const NewGameResult result = bukvoklad::NewGame(game_, random_);
    tmTimer->stop();
    kSdatsya->setEnabled(false);
    drawEmptyBoard(result.length);
    if (result.status != NewGameResult::Status::Ok) {
        prompts_.error(fromUtf8(newGameMessage(result)));
        if (result.status == NewGameResult::Status::CannotOpen) endProgram_();
        return;
    }
    for (int j = 0; j < result.length; ++j)
        drawLetter(j, game_.Slovo[static_cast<size_t>(result.order[static_cast<size_t>(j)])]);
    Text1->setText(QString());
    const bool timed = game_.OptTime == 1;
    if (timed) {
        lblTimer->setText(fromUtf8(timerCaption(game_.TimeOst)));
        tmTimer->start();
    }
    lblTimer->setVisible(timed);
    lbVremya->setVisible(timed);
    kSdatsya->setEnabled(true);
}

void frmForma::NewTime() {
    if (bukvoklad::NewTime(game_) == TickResult::Counted) {
        lblTimer->setText(fromUtf8(timerCaption(game_.TimeOst)));
        return;
    }
    tmTimer->stop();
    Otvet();
    showBanner(1);
}

void frmForma::Otvet() {
    const int cells = game_.KolBukv;
    const std::string word = bukvoklad::Otvet(game_);
    if (word.empty()) return;
    tmTimer->stop();
    kSdatsya->setEnabled(false);
    // The word in its right order, in the same cells; the board keeps its width.
    picControl->clear();
    picControl->outlineRect(0, 0, kCell * cells - 1, kBoardHeight - 1, kLine);
    for (int e = 0; e < cells; ++e) {
        drawLetter(e, word[static_cast<size_t>(e)]);
        if (e > 0) picControl->line(kCell * e, 0, kCell * e, kBoardHeight - 2, kLine);
    }
}

void frmForma::showBanner(int proigrysh) {
    frmEnd banner(this, proigrysh);
    prompts_.showModal(banner);
}

void frmForma::Text1_Change() {
    if (!checkAnswer(game_, toCp1251(Text1->text()))) return;
    tmTimer->stop();
    showBanner(0);
}

bool frmForma::Text1_KeyPress(const QString& typed) {
    for (const QChar ch : typed) {
        const std::string bytes = toCp1251(QString(ch));
        const char code = bytes.empty() ? '\0' : bytes.front();
        const KeyAction action = filterAnswerKey(code);
        if (action.kind == KeyAction::Kind::Insert) Text1->insert(fromCp1251(std::string(1, action.letter)));
        else if (action.kind == KeyAction::Kind::Pass && code == '.') Text1->insert(QStringLiteral("."));
        else if (action.kind == KeyAction::Kind::Pass) Text1->backspace();
    }
    return true; // the key itself never reaches the box
}

bool frmForma::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Editing and moving keys type no character; they work as usual.
        switch (key->key()) {
        case Qt::Key_Backspace: case Qt::Key_Delete: case Qt::Key_Tab: case Qt::Key_Backtab: return false;
        default: break;
        }
        if (key->text().isEmpty()) return false;
        return Text1_KeyPress(key->text());
    }
    return QMainWindow::eventFilter(watched, event);
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
    Otvet();
}

void frmForma::MenuOptions_Click() {
    frmOptions options(this, game_, prompts_, [this] { NewGame(); });
    prompts_.showModal(options);
}

void frmForma::HelpCallHelp_Click() {
    frmWeb web(this, prompts_, helpPage());
    prompts_.showModal(web);
}

void frmForma::HelpAbout_Click() {
    frmOprog about(this, prompts_, places_, helpPage());
    prompts_.showModal(about);
}

void frmForma::Form_Unload() {
    SaveFileINI(game_, settingsToWrite(places_, kSettingsFile)); // a settings file that cannot be written is left as it was, silently
}

void frmForma::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

} // namespace smek::bukvoklad
