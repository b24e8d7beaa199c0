#include "GameFile.h"

#include "AnalizTexta.h"

#include "common/core/FileMessages.h"
#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"
#include "common/core/Paths.h"
#include "common/core/TextFile.h"

#include <filesystem>

namespace slovoset {
namespace {

const std::string kHeader = "[slovoset]";

std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The puzzle a game file describes, or nothing when the file cannot be
// trusted: a wrong header, a length index outside the choice, a text that
// yields no words, or flags that do not match the words the analysis finds
// now (too few, too many, or not 0/1). A file that merely fits the words in
// number cannot be told from the one saved; the dictionary must be the same.
std::optional<Puzzle> readGame(const Puzzle& current, const std::string& content) {
    const std::vector<std::string_view> lines = splitLines(content);
    if (lines.size() < 3) return std::nullopt;
    if (smek::FreeFormatReader(std::string(lines[0])).readText() != kHeader) return std::nullopt;
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

    std::string flags;
    for (size_t i = 3; i < lines.size(); ++i) {
        flags += lines[i];
        flags += '\n';
    }
    smek::FreeFormatReader reader(std::move(flags));
    auto flag = [&reader]() -> std::optional<int> {
        const std::optional<int> v = reader.readNumber();
        if (v && *v != 0 && *v != 1) return std::nullopt;
        return v;
    };
    for (int i = 0; i <= q.MaxSlova; ++i) {
        const std::optional<int> vybrano = flag();
        const std::optional<int> otgadano = flag();
        if (!vybrano || !otgadano) return std::nullopt;
        q.Slova[static_cast<size_t>(i)].Vybrano = *vybrano;
        q.Slova[static_cast<size_t>(i)].Otgadano = *otgadano;
    }
    while (!reader.atEnd()) {
        const std::optional<std::string> rest = reader.readText();
        if (rest && !rest->empty()) return std::nullopt;
    }
    return q;
}

} // namespace

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
    std::error_code ec;
    if (mode != 1 && path != p.ImyaFile && std::filesystem::exists(path, ec)) {
        if (!askReplace(smek::fileMessage(path, smek::FileTail::AlreadyExists))) {
            out.kind = SaveOutcome::Kind::Declined;
            return out;
        }
    }
    std::string content(text);
    content += "\r\n";
    if (const std::error_code error = smek::writeTextFileAtomic(path, content)) {
        out.kind = SaveOutcome::Kind::Failed;
        const smek::FileTail tail = smek::tailForError(error, smek::FileTail::CannotSave) ==
                                            smek::FileTail::WriteProtected
                                        ? smek::FileTail::WriteProtected
                                        : smek::FileTail::CannotSave;
        out.message = smek::fileMessage(path, tail);
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
    const smek::ReadResult file = smek::readTextFile(path);
    if (file.error) {
        const bool missing = smek::tailForError(file.error, smek::FileTail::CannotOpen) == smek::FileTail::NotFound;
        out.message = smek::fileMessage(path, missing ? smek::FileTail::NotFound : smek::FileTail::CannotOpen);
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

} // namespace slovoset
