// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSvoiSlova.h"

#include "common/core/Cp1251.h"
#include "common/core/SaveOpen.h"
#include "common/core/TextDetect.h"
#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/apiOpenSave.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace smek::bukvoklad {
namespace {

const QList<FilterPair> kListFilter{{QStringLiteral("Список слов (*.txt)"), QStringLiteral("*.txt")}};
const FilterPair kAllFiles{QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")};

QString wordsText(const OwnList& list) {
    QStringList lines;
    for (const std::string& word : list.words) lines << fromCp1251(word);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

frmSvoiSlova::frmSvoiSlova(QWidget* parent, Prompts& prompts, const Places& places, KnownWords known,
                           const KeptList& start)
    : QDialog(parent), prompts_(prompts), places_(places), known_(std::move(known)), chosen_(start) {
    setWindowTitle(QStringLiteral("Свои слова"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    txtNazvanie = new QLineEdit(fromUtf8(start.list.title), this);
    txtNazvanie->setPlaceholderText(QStringLiteral("например, Осень"));
    txtSlova = new QPlainTextEdit(wordsText(start.list), this);
    txtSlova->setFont(serifFont(14.25));
    txtSlova->setPlaceholderText(QStringLiteral("Слова по одному в строке или через запятую"));
    txtSlova->setMinimumSize(tw(5400), tw(3600));
    connect(txtSlova, &QPlainTextEdit::textChanged, this, &frmSvoiSlova::showSecondAnswers);

    optPoPoryadku = new QRadioButton(QStringLiteral("по порядку"), this);
    optVperemeshku = new QRadioButton(QStringLiteral("вперемешку"), this);
    (start.shuffled ? optVperemeshku : optPoPoryadku)->setChecked(true);
    auto* order = new QHBoxLayout;
    order->addWidget(optPoPoryadku);
    order->addWidget(optVperemeshku);
    order->addStretch();

    lblVtoroiOtvet = new QLabel(this);
    lblVtoroiOtvet->setWordWrap(true);
    lblVtoroiOtvet->setTextFormat(Qt::PlainText);
    lblVtoroiOtvet->setStyleSheet(QStringLiteral("color: #A00000"));

    kOpen = new QPushButton(QStringLiteral("Открыть список…"), this);
    connect(kOpen, &QPushButton::clicked, this, &frmSvoiSlova::kOpen_Click);
    kSave = new QPushButton(QStringLiteral("Сохранить список…"), this);
    connect(kSave, &QPushButton::clicked, this, &frmSvoiSlova::kSave_Click);
    auto* files = new QHBoxLayout;
    files->addWidget(kOpen);
    files->addWidget(kSave);
    files->addStretch();

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Играть"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmSvoiSlova::kOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Название:"), txtNazvanie);
    form->addRow(QStringLiteral("Слова:"), txtSlova);
    form->addRow(QStringLiteral("Порядок:"), order);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addLayout(form);
    layout->addWidget(lblVtoroiOtvet);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    lblVtoroiOtvet->setFixedWidth(txtSlova->minimumWidth() + tw(1200));
    showSecondAnswers();
    txtSlova->setFocus();
}

void frmSvoiSlova::showSecondAnswers() {
    const std::vector<SecondAnswer> flags =
        secondAnswers(known_, parseOwnWords(txtSlova->toPlainText().toStdString()).list.words);
    QStringList lines;
    for (const SecondAnswer& flag : flags) lines << fromUtf8(secondAnswerNote(flag));
    lblVtoroiOtvet->setText(lines.join(QLatin1Char('\n')));
    lblVtoroiOtvet->setVisible(!lines.isEmpty());
}

std::optional<OwnList> frmSvoiSlova::goodList() {
    OwnListParse parsed = parseOwnWords(txtSlova->toPlainText().toStdString());
    parsed.list.title = txtNazvanie->text().trimmed().toStdString();
    std::string refusal = ownListRefusal(parsed);
    if (refusal.empty()) refusal = boardRefusal(parsed.list);
    if (refusal.empty()) return std::move(parsed.list);
    prompts_.error(fromUtf8(refusal));
    txtSlova->setFocus();
    return std::nullopt;
}

void frmSvoiSlova::kOpen_Click() {
    const QString path = askFileName(prompts_, places_, "txt", 0, QString(), kListFilter, kAllFiles);
    if (path.isEmpty()) return;
    const ReadOutcome file = readGameFile(toPath(path), [](std::string_view) { return true; });
    if (!file.ok) {
        prompts_.error(fromUtf8(file.message));
        return;
    }
    const std::optional<DecodedText> text = decodeText(file.content);
    if (!text) {
        prompts_.error(QStringLiteral("Файл \"%1\" не похож на список слов.").arg(path));
        return;
    }
    // Shown as written, so a word that cannot be played is there to mend.
    const std::string& content = text->utf8;
    const size_t end = content.find('\n');
    txtNazvanie->setText(fromUtf8(content.substr(0, end)).trimmed());
    txtSlova->setPlainText(end == std::string::npos ? QString() : fromUtf8(content.substr(end + 1)).trimmed());
}

void frmSvoiSlova::kSave_Click() {
    const std::optional<OwnList> list = goodList();
    if (!list) return;
    const QString proposed = txtNazvanie->text().trimmed().isEmpty() ? QStringLiteral("Слова.txt")
                                                                     : txtNazvanie->text().trimmed() + QStringLiteral(".txt");
    const QString path = askFileName(prompts_, places_, "txt", 1, proposed, kListFilter, kAllFiles);
    if (path.isEmpty()) return;
    const SaveOutcome saved = saveFile(withExtension(toPath(path), ".txt"), ownListFileText(*list), true,
                                       replaceQuestion(prompts_));
    if (saved.kind == SaveOutcome::Kind::Failed) prompts_.error(fromUtf8(saved.message));
}

void frmSvoiSlova::kOK_Click() {
    const std::optional<OwnList> list = goodList();
    if (!list) return;
    chosen_ = {*list, optVperemeshku->isChecked()};
    accept();
}

} // namespace smek::bukvoklad
