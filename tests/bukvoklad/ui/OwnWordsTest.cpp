// SPDX-License-Identifier: GPL-3.0-or-later
// "Свои слова…": the dialog's refusals and second answers, games dealt from
// the list until it is used up, the list kept for the next time, opened and
// saved as a file, and a worksheet made of it.
#include "QtFolder.h"
#include "WindowTable.h"
#include "bukvoklad/ui/PrintWorksheet.h"
#include "bukvoklad/ui/frmSvoiSlova.h"
#include "common/ui/Text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

struct Window : test::WindowTable {
    Window() : WindowTable(3) {
        folder.words("a.4", {"СЛОН"});
        folder.words("a.3", {"ТОК"});
        open(4);
    }
    QString word() const { return fromCp1251(game.Slovo); }
    // The dialog with these words typed, then "Играть" (or what `then` does).
    void chooseList(const QString& title, const QString& words, bool shuffled = false,
                    std::function<void(frmSvoiSlova&)> then = {}) {
        prompts.onModal = [=](QDialog& dialog) {
            auto* own = qobject_cast<frmSvoiSlova*>(&dialog);
            if (!own) return;
            own->txtNazvanie->setText(title);
            own->txtSlova->setPlainText(words);
            own->optVperemeshku->setChecked(shuffled);
            if (then) then(*own);
            else own->kOK_Click();
        };
        form->MenuSvoiSlova->trigger();
    }
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class OwnWordsTest : public QObject {
    Q_OBJECT
private slots:
    void refusalsNameTheWordAndKeepTheDialogOpen() {
        Window w;
        const std::string before = w.game.Slovo;
        struct Case {
            QString words;
            QString says;
        };
        const QList<Case> cases{
            {QStringLiteral("кот\nлист0пад"), QStringLiteral("Строка 2: «лист0пад» - в слове не только русские буквы")},
            {QStringLiteral("  \n"), QStringLiteral("В списке нет ни одного слова.")},
            {QStringLiteral("ЧЕЛОВЕКОНЕНАВИСТНИЧЕ"), QStringLiteral("На доске 19 клеток, эти слова длиннее:\n«ЧЕЛОВЕКОНЕНАВИСТНИЧЕ» - 20 букв")},
        };
        for (const Case& c : cases) {
            bool open = false;
            w.prompts.asked.clear();
            w.chooseList(QString(), c.words, false, [&](frmSvoiSlova& dialog) {
                dialog.kOK_Click();
                open = dialog.result() != QDialog::Accepted;
            });
            QVERIFY2(open, qPrintable(c.words));
            QCOMPARE(w.prompts.texts().size(), 1);
            QVERIFY2(w.prompts.texts()[0].contains(c.says), qPrintable(w.prompts.texts()[0]));
            for (const auto& asked : w.prompts.asked)
                if (asked.kind == QStringLiteral("message")) QCOMPARE(asked.icon, Prompts::Icon::Stop);
            QVERIFY(!w.game.own);
            QCOMPARE(w.game.Slovo, before);
        }
        // Nineteen letters fit the board.
        w.chooseList(QString(), QStringLiteral("ЧЕЛОВЕКОНЕНАВИСТНИК"));
        QCOMPARE(w.word(), QStringLiteral("ЧЕЛОВЕКОНЕНАВИСТНИК"));
        QCOMPARE(w.game.KolBukv, 19);
    }

    void secondAnswersAreFlaggedWhileTyping() {
        Window w;
        QString shown;
        bool visibleWithout = true;
        w.chooseList(QString(), QStringLiteral("кот\nслон"), false, [&](frmSvoiSlova& dialog) {
            shown = dialog.lblVtoroiOtvet->text(); // ТОК is the data folder's
            dialog.txtSlova->setPlainText(QStringLiteral("слон"));
            visibleWithout = !dialog.lblVtoroiOtvet->isHidden();
            dialog.reject();
        });
        QCOMPARE(shown, QStringLiteral("КОТ: у этого слова есть второй ответ: ТОК"));
        QVERIFY(!visibleWithout);
    }

    void gamesDealTheListThenAskAndGoBackToTheGamesWords() {
        Window w;
        w.chooseList(QStringLiteral("Звери"), QStringLiteral("кот, ёж\nлиса"));
        QCOMPARE(QStringList({w.word(), w.form->lblTema->text()}), QStringList({QStringLiteral("КОТ"), QStringLiteral("Свои слова «Звери»: 1 из 3")}));
        QVERIFY(!w.form->lblTema->isHidden());
        QVERIFY(w.form->MenuSlovaIgry->isEnabled());
        w.form->Text1->setText(QStringLiteral("кот"));
        QCOMPARE(w.game.GameState, 0); // won
        w.form->kNew->click();
        QCOMPARE(w.word(), QStringLiteral("ЁЖ"));
        w.form->Text1->setText(QStringLiteral("еж")); // Е for Ё wins, as ever
        QCOMPARE(w.game.GameState, 0);
        w.form->kNew->click();
        QCOMPARE(QStringList({w.word(), w.form->lblTema->text()}), QStringList({QStringLiteral("ЛИСА"), QStringLiteral("Свои слова «Звери»: 3 из 3")}));
        w.form->kSdatsya->click();

        // Used up: Yes plays the list again from its start.
        w.prompts.asked.clear();
        w.prompts.answers = {true};
        w.form->kNew->click();
        QCOMPARE(w.prompts.texts(), QStringList{QStringLiteral("Свои слова «Звери»: сыграны все слова (3).\n"
                                                               "Сыграть их ещё раз? «Нет» — дальше слова игры.")});
        QCOMPARE(w.word(), QStringLiteral("КОТ"));
        QCOMPARE(w.game.GameState, 1);
        for (int i = 0; i < 2; ++i) {
            w.form->Otvet();
            w.form->kNew->click();
        }
        // No goes back to the game's words.
        w.form->Otvet();
        w.prompts.answers = {false};
        w.form->kNew->click();
        QVERIFY(!w.game.own);
        QCOMPARE(w.word(), QStringLiteral("СЛОН"));
        QVERIFY(w.form->lblTema->isHidden());
        QVERIFY(!w.form->MenuSlovaIgry->isEnabled());

        // "Слова игры" leaves a list at once (after the question for a game in play).
        w.chooseList(QString(), QStringLiteral("кот, ёж"));
        QCOMPARE(w.word(), QStringLiteral("КОТ"));
        w.prompts.answers = {false};
        w.form->MenuSlovaIgry->trigger(); // No: the game in play stays
        QVERIFY(w.game.own);
        QCOMPARE(w.word(), QStringLiteral("КОТ"));
        w.form->MenuSlovaIgry->trigger();
        QVERIFY(!w.game.own);
        QCOMPARE(w.word(), QStringLiteral("СЛОН"));
        // So does a theme chosen while the list is played, from the next game.
        w.chooseList(QString(), QStringLiteral("кот, ёж"));
        w.form->MenuTema->choose(std::string());
        QCOMPARE(w.word(), QStringLiteral("КОТ"));
        QVERIFY(!w.form->MenuSlovaIgry->isEnabled());
        w.form->Otvet();
        w.form->kNew->click();
        QCOMPARE(w.word(), QStringLiteral("СЛОН"));
    }

    void theLastListIsKeptAndOffered() {
        Window w;
        smek::TempFolder own;
        w.open(4, [] {}, own.path().string() + "/");
        KeptList offered;
        const auto look = [&](frmSvoiSlova& dialog) {
            offered = {{dialog.txtNazvanie->text().toStdString(), {}}, dialog.optVperemeshku->isChecked()};
            offered.list.words = parseOwnWords(dialog.txtSlova->toPlainText().toStdString()).list.words;
            dialog.reject();
        };
        const auto lookAtTheDialog = [&](QDialog& dialog) {
            if (auto* d = qobject_cast<frmSvoiSlova*>(&dialog)) look(*d);
        };
        w.prompts.onModal = lookAtTheDialog;
        w.form->MenuSvoiSlova->trigger();
        QVERIFY(offered.list.words.empty()); // nothing kept yet

        w.chooseList(QStringLiteral("Осень"), QStringLiteral("лист\nёжик"), true);
        QCOMPARE(readAll(smek::qPath(own, QStringLiteral("bukvoklad-words.txt"))), QByteArray("Осень\nЛИСТ\nЁЖИК\n"));
        // A window of the next start offers it, with its order.
        Window next;
        next.open(4, [] {}, own.path().string() + "/");
        next.prompts.onModal = w.prompts.onModal = lookAtTheDialog;
        next.form->MenuSvoiSlova->trigger();
        QCOMPARE(offered.list.title, std::string("Осень"));
        QCOMPARE(offered.list.words, (std::vector<std::string>{w1251("ЛИСТ"), w1251("ЁЖИК")}));
        QVERIFY(offered.shuffled);
    }

    void listOpenedAsWrittenAndSavedAsAFile() {
        Window w;
        const QString saved = QString::fromStdString((w.folder.path() / "звери").string());
        const QString bad = QString::fromStdString((w.folder.path() / "плохой.txt").string());
        w.folder.write("плохой.txt", w1251("Лес\r\nлиса\r\nвол4ок\r\n")); // Windows-1251, as old editors save
        QString title, words;
        w.prompts.files = {saved, bad};
        w.chooseList(QStringLiteral("Звери"), QStringLiteral("кот, ёж"), false, [&](frmSvoiSlova& dialog) {
            dialog.kSave_Click();
            dialog.kOpen_Click();
            title = dialog.txtNazvanie->text();
            words = dialog.txtSlova->toPlainText();
            dialog.reject();
        });
        QCOMPARE(readAll(saved + QStringLiteral(".txt")), QByteArray("Звери\nКОТ\nЁЖ\n"));
        QCOMPARE(w.prompts.fileRequests[0].filters.first(), QStringLiteral("Список слов (*.txt)"));
        QCOMPARE(title, QStringLiteral("Лес"));
        QCOMPARE(words.split(QRegularExpression(QStringLiteral("\\s+"))),
                 (QStringList{QStringLiteral("лиса"), QStringLiteral("вол4ок")})); // to mend, not dropped
        QVERIFY(w.prompts.texts().isEmpty());

        // A list with a bad word is not saved, lest the word be lost; a missing file is named.
        w.prompts.files = {QString::fromStdString((w.folder.path() / "нет.txt").string())}; // Save asks for no name
        w.chooseList(QString(), QStringLiteral("кот, к0т"), false, [&](frmSvoiSlova& dialog) {
            dialog.kSave_Click();
            dialog.kOpen_Click();
            dialog.reject();
        });
        QCOMPARE(w.prompts.texts().size(), 2);
        QVERIFY(w.prompts.texts()[0].contains(QStringLiteral("«к0т»")));
        QVERIFY2(w.prompts.texts()[1].endsWith(QStringLiteral("нет.txt\" не найден.")), qPrintable(w.prompts.texts()[1]));
        QCOMPARE(readAll(saved + QStringLiteral(".txt")), QByteArray("Звери\nКОТ\nЁЖ\n"));
    }

    void worksheetOfTheList() {
        Window w;
        w.chooseList(QStringLiteral("Звери"), QStringLiteral("кот, ёж\nлиса"));
        const QString out = QString::fromStdString((w.folder.path() / "лист.pdf").string());
        bool offered = false;
        w.prompts.onModal = [&](QDialog& dialog) {
            auto* sheet = qobject_cast<frmWorksheet*>(&dialog);
            if (!sheet) return;
            offered = sheet->chSvoiSlova && sheet->chSvoiSlova->isChecked() && !sheet->selWords->isEnabled();
            sheet->kOK_Click();
        };
        w.prompts.files.push_back(out);
        w.form->MenuPdf->trigger();
        QVERIFY(offered);
        QVERIFY(w.prompts.texts().isEmpty());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString pages = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(pages.startsWith(QStringLiteral("Звери")));
        QVERIFY(pages.contains(QStringLiteral("Ответы: Звери")));
        QVERIFY(pages.contains(QStringLiteral("3.")));
        QVERIFY(!pages.contains(QStringLiteral("4.")));
    }
};

QTEST_MAIN(OwnWordsTest)
#include "OwnWordsTest.moc"
