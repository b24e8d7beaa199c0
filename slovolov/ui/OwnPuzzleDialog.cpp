// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnPuzzleDialog.h"

#include "common/core/Cp1251.h"
#include "common/core/FileMessages.h"
#include "common/core/Paths.h"
#include "common/core/SaveOpen.h"
#include "common/core/TextDetect.h"
#include "common/ui/Text.h"
#include "common/ui/apiOpenSave.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace smek::slovolov {
namespace {

const QList<smek::FilterPair> kListFilter{{QStringLiteral("Список слов (*.txt)"), QStringLiteral("*.txt")}};
const smek::FilterPair kAllFiles{QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")};

QString wordsText(const OwnList& list) {
    QStringList lines;
    for (const std::string& w : list.words) lines << smek::fromCp1251(w);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::filesystem::path rememberedListFile(const smek::Places& places) {
    return std::filesystem::path(places.own) / "slovolov-own-list.txt";
}

OwnList rememberedList(const smek::Places& places) {
    const smek::ReadResult file = smek::readTextFile(rememberedListFile(places));
    if (file.error) return {};
    OwnListParse parse = smek::parseOwnListFile(file.content);
    return parse.ok() ? std::move(parse.list) : OwnList{};
}

OwnPuzzleDialog::OwnPuzzleDialog(QWidget* parent, smek::Prompts& prompts, smek::Places places,
                                 const Settings& settings, smek::Random& random,
                                 std::function<bool(GameState&&)> play)
    : QDialog(parent), prompts_(prompts), places_(std::move(places)), settings_(settings), random_(random),
      play_(std::move(play)) {
    setWindowTitle(QStringLiteral("Своя головоломка"));

    txtTitle = new QLineEdit(this);
    txtTitle->setMaxLength(200);
    txtWords = new QPlainTextEdit(this);
    txtWords->setTabChangesFocus(true);
    txtWords->setMinimumSize(360, 260);
    cmbSize = new QComboBox(this);
    for (int side : kOwnSides) cmbSize->addItem(QStringLiteral("%1×%1").arg(side), side);
    chAllDirections = new QCheckBox(QStringLiteral("все направления"), this);
    chAllDirections->setToolTip(QStringLiteral("Слова лежат и по диагонали снизу слева вверх направо"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Название:"), txtTitle);
    auto* wordsLabel = new QLabel(QStringLiteral("Слова (по одному в строке или через запятую):"), this);
    form->addRow(wordsLabel);
    form->addRow(txtWords);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(cmbSize);
    sizeRow->addSpacing(16);
    sizeRow->addWidget(chAllDirections);
    sizeRow->addStretch();
    form->addRow(QStringLiteral("Поле:"), sizeRow);

    kOtkrytSpisok = new QPushButton(QStringLiteral("Открыть список…"), this);
    kSohranitSpisok = new QPushButton(QStringLiteral("Сохранить список…"), this);
    auto* buttons = new QDialogButtonBox(this);
    kIgrat = buttons->addButton(QStringLiteral("Играть"), QDialogButtonBox::AcceptRole);
    kOtmena = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    kIgrat->setDefault(true);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(kOtkrytSpisok);
    fileRow->addWidget(kSohranitSpisok);
    fileRow->addStretch();
    fileRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(fileRow);

    connect(kIgrat, &QPushButton::clicked, this, &OwnPuzzleDialog::kIgrat_Click);
    connect(kOtmena, &QPushButton::clicked, this, &QDialog::reject);
    connect(kOtkrytSpisok, &QPushButton::clicked, this, &OwnPuzzleDialog::kOtkrytSpisok_Click);
    connect(kSohranitSpisok, &QPushButton::clicked, this, &OwnPuzzleDialog::kSohranitSpisok_Click);

    showList(rememberedList(places_));
    // The level's grid is the first proposal of the size.
    cmbSize->setCurrentIndex(validLevel(settings.Level) ? settings.Level : 0);
}

void OwnPuzzleDialog::showList(const OwnList& list) {
    txtTitle->setText(smek::fromUtf8(list.title));
    txtWords->setPlainText(wordsText(list));
}

std::optional<OwnList> OwnPuzzleDialog::checkedList() {
    OwnListParse parse = smek::parseOwnWords(txtWords->toPlainText().toStdString());
    if (!parse.ok()) {
        prompts_.message(smek::fromUtf8(smek::ownListRefusal(parse)), smek::Prompts::Icon::Warning);
        return std::nullopt;
    }
    parse.list.title = txtTitle->text().toStdString();
    return std::move(parse.list);
}

void OwnPuzzleDialog::kIgrat_Click() {
    const std::optional<OwnList> list = checkedList();
    if (!list) return;
    OwnPuzzle puzzle{list->title, list->words, cmbSize->currentData().toInt(), chAllDirections->isChecked()};
    OwnBuild built = buildOwnBoard(puzzle, settings_, random_);
    if (!built.ok) {
        prompts_.message(smek::fromUtf8(built.refusal), smek::Prompts::Icon::Warning);
        return;
    }
    if (!play_(std::move(built.game))) return;
    // Kept for the next time the dialog opens; a failure costs only that.
    std::error_code ignored;
    std::filesystem::create_directories(places_.own, ignored);
    smek::writeTextFileAtomic(rememberedListFile(places_), smek::ownListFileText(*list));
    accept();
}

void OwnPuzzleDialog::kOtkrytSpisok_Click() {
    const QString name = smek::askFileName(prompts_, places_, "txt", 0, QString(), kListFilter, kAllFiles);
    if (name.isEmpty()) return;
    const std::string path = smek::toPath(name);
    const smek::ReadOutcome file = smek::readGameFile(path, {});
    if (!file.ok) {
        prompts_.error(smek::fromUtf8(file.message));
        return;
    }
    const OwnListParse parse = smek::parseOwnListFile(file.content);
    if (parse.notText) {
        prompts_.error(smek::fromUtf8(smek::fileMessage(path, smek::FileTail::NotSuitable)));
        return;
    }
    // The words as the file has them, refused ones too, so the author can
    // mend them here.
    const std::string text = smek::decodeText(file.content)->utf8;
    const size_t end = text.find('\n');
    txtTitle->setText(smek::fromUtf8(parse.list.title));
    QString words = end == std::string::npos ? QString() : smek::fromUtf8(text.substr(end + 1));
    words.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (words.endsWith(QLatin1Char('\n'))) words.chop(1);
    txtWords->setPlainText(words);
    if (!parse.ok()) {
        OwnListParse shown = parse;
        for (OwnWordProblem& p : shown.problems) p.line -= 1; // lines of the box, below the title
        prompts_.message(smek::fromUtf8(smek::ownListRefusal(shown)), smek::Prompts::Icon::Warning);
    }
}

void OwnPuzzleDialog::kSohranitSpisok_Click() {
    const std::optional<OwnList> list = checkedList();
    if (!list) return;
    const std::string proposed = smek::fileNameOfTitle(list->title);
    const QString name = smek::askFileName(prompts_, places_, "txt", -1,
                                           smek::fromUtf8(proposed.empty() ? "Слова" : proposed), kListFilter, kAllFiles);
    if (name.isEmpty()) return;
    const std::string path = smek::withExtension(smek::toPath(name), ".txt");
    const smek::SaveOutcome outcome =
        smek::saveFile(path, smek::ownListFileText(*list), true, smek::replaceQuestion(prompts_));
    if (outcome.kind == smek::SaveOutcome::Kind::Failed) prompts_.error(smek::fromUtf8(outcome.message));
}

} // namespace smek::slovolov
