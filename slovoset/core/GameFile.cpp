// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFile.h"

#include "AnalizTexta.h"
#include "TekstKakNapisan.h"

#include "common/core/FileMessages.h"
#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"
#include "common/core/Paths.h"


namespace smek::slovoset {
namespace {

const std::string kHeader = "[slovoset]";
// After the flags, where no reader of the designed file looks: the text as
// written (TekstKakNapisan.h), when it differs from Tekst.
const std::string kWrittenHeader = "[tekst]";

bool headerLine(std::string_view line) { return smek::FreeFormatReader(std::string(line)).readText() == kHeader; }

} // namespace

std::optional<Puzzle> readGame(const Puzzle& current, const std::string& content) {
    const std::vector<std::string_view> lines = smek::splitLines(content);
    if (lines.size() < 3) return std::nullopt;
    if (!headerLine(lines[0])) return std::nullopt;
    smek::FreeFormatReader lenLine{std::string(lines[1])};
    const std::optional<int> lenSlov = lenLine.readNumber();
    if (!lenSlov || !lenLine.atEnd() || *lenSlov < 0 || *lenSlov > 21) return std::nullopt;

    Puzzle q;
    q.PathData = current.PathData;
    q.slovar = current.slovar;
    q.Nazvanie = current.Nazvanie;
    q.TypGame = 0;
    q.LenSlov = *lenSlov;
    q.Tekst = std::string(lines[2]);
    if (AnalizTexta(q, 1).message != AnalizMessage::None) return std::nullopt;

    // Flags 0 or 1, free-format; empty lines may only end the file, or the
    // flags before the text as written.
    std::vector<int> flags;
    bool ended = false;
    for (size_t i = 3; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(" \t") == std::string_view::npos) {
            ended = true;
            continue;
        }
        if (lines[i] == kWrittenHeader && i + 1 < lines.size()) {
            for (size_t rest = i + 2; rest < lines.size(); ++rest)
                if (lines[rest].find_first_not_of(" \t") != std::string_view::npos) return std::nullopt;
            // Taken only when it is this Tekst as written: a text changed by
            // hand in one line and not the other shows as Tekst.
            AuthorText written = authorText(fromWrittenLine(lines[i + 1]));
            if (written.Tekst == q.Tekst) q.Napisano = std::move(written.kakNapisano);
            break;
        }
        if (ended) return std::nullopt;
        smek::FreeFormatReader line{std::string(lines[i])};
        while (!line.atEnd()) {
            const std::optional<int> v = line.readNumber();
            if (!v || (*v != 0 && *v != 1)) return std::nullopt;
            flags.push_back(*v);
        }
    }
    for (int i = 0; i <= q.MaxSlova && static_cast<size_t>(2 * i + 1) < flags.size(); ++i) {
        q.Slova[static_cast<size_t>(i)].Vybrano = flags[static_cast<size_t>(2 * i)];
        q.Slova[static_cast<size_t>(i)].Otgadano = flags[static_cast<size_t>(2 * i + 1)];
    }
    return q;
}

std::string proposedName(const std::string& imyaFile) {
    std::string name = smek::fileNamePart(imyaFile);
    const size_t dot = name.find('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

std::string gameFileText(const Puzzle& p) {
    std::string text = kHeader + "\r\n" + smek::signedNumberText(p.LenSlov) + "\r\n" + p.Tekst + "\r\n";
    for (int i = 0; i <= p.MaxSlova; ++i) {
        const SkrytoeSlovo& w = p.Slova[static_cast<size_t>(i)];
        text += smek::signedNumberText(w.Vybrano) + "\r\n" + smek::signedNumberText(w.Otgadano) + "\r\n";
    }
    if (!p.Napisano.empty()) text += kWrittenHeader + "\r\n" + writtenLine(p) + "\r\n";
    return text;
}

SaveOutcome SaveFileText(Puzzle& p, int mode, const std::string& path, std::string_view text,
                         const AskReplace& askReplace) {
    std::string content(text);
    content += "\r\n";
    const SaveOutcome out = smek::saveFile(path, content, mode != 1 && path != p.ImyaFile, askReplace);
    if (out.kind == SaveOutcome::Kind::Saved) p.ImyaFile = path;
    return out;
}

SaveOutcome SaveGame(Puzzle& p, std::string path, const AskReplace& askReplace) {
    path = smek::withExtension(std::move(path), ".sst");
    return SaveFileText(p, 0, path, gameFileText(p), askReplace);
}

OpenOutcome OpenGame(Puzzle& p, std::string path) {
    OpenOutcome out;
    out.path = smek::withExtension(std::move(path), ".sst");
    const smek::ReadOutcome file = smek::readGameFile(out.path, headerLine);
    if (!file.ok) {
        out.message = file.message;
        return out;
    }
    std::optional<Puzzle> game = readGame(p, file.content);
    if (!game) {
        out.message = smek::fileMessage(out.path, smek::FileTail::NotSuitable);
        return out;
    }
    out.select = SelectSlovo(*game);
    game->ImyaFile = out.path;
    p = std::move(*game);
    out.ok = true;
    return out;
}

} // namespace smek::slovoset
