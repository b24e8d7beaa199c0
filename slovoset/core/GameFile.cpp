#include "GameFile.h"

#include "AnalizTexta.h"

#include "common/core/FileMessages.h"
#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"
#include "common/core/Paths.h"
#include "common/core/TextFile.h"

#include <filesystem>

namespace smek::slovoset {
namespace {

const std::string kHeader = "[slovoset]";

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

    // Flags 0 or 1, free-format; empty lines may only end the file.
    std::vector<int> flags;
    bool ended = false;
    for (size_t i = 3; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(" \t") == std::string_view::npos) {
            ended = true;
            continue;
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
    return text;
}

SaveOutcome SaveFileText(Puzzle& p, int mode, const std::string& path, std::string_view text,
                         const std::function<bool(const std::string&)>& askReplace) {
    SaveOutcome out;
    if (mode != 1 && path != p.ImyaFile && smek::existingFile(path)) {
        if (!askReplace(smek::fileMessage(path, smek::FileTail::AlreadyExists))) {
            out.kind = SaveOutcome::Kind::Declined;
            return out;
        }
    }
    std::string content(text);
    content += "\r\n";
    if (const std::error_code error = smek::writeTextFileAtomic(path, content)) {
        out.kind = SaveOutcome::Kind::Failed;
        out.message = smek::fileMessage(path, smek::saveFailureTail(error));
        return out;
    }
    p.ImyaFile = path;
    return out;
}

SaveOutcome SaveGame(Puzzle& p, std::string path, const std::function<bool(const std::string&)>& askReplace) {
    if (smek::PoiskTochki(path) == 0) path += ".sst";
    return SaveFileText(p, 0, path, gameFileText(p), askReplace);
}

OpenOutcome OpenGame(Puzzle& p, std::string path) {
    if (smek::PoiskTochki(path) == 0) path += ".sst";
    OpenOutcome out;
    out.path = path;
    const smek::ReadResult file = smek::readTextFile(path, headerLine);
    if (file.error) {
        out.message = smek::fileMessage(path, smek::openFailureTail(file));
        return out;
    }
    std::optional<Puzzle> game = readGame(p, file.content);
    if (!game) {
        out.message = smek::fileMessage(path, smek::FileTail::NotSuitable);
        return out;
    }
    out.select = SelectSlovo(*game);
    game->ImyaFile = path;
    p = std::move(*game);
    out.ok = true;
    return out;
}

} // namespace smek::slovoset
