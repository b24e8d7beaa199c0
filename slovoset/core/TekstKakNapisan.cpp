// SPDX-License-Identifier: GPL-3.0-or-later
#include "TekstKakNapisan.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"

#include <algorithm>
#include <string_view>

namespace smek::slovoset {
namespace {

constexpr std::string_view kBr = "<br>";

// Marks that belong to the character before them: combining accents (the
// teacher's stress mark), the soft hyphen, zero-width characters, variation
// selectors and skin tones, and the accents typed as signs of their own.
bool joinsPrevious(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0483 && c <= 0x0489) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) ||
           c == 0x00AD || (c >= 0x200B && c <= 0x200D) || (c >= 0x2060 && c <= 0x2064) || c == 0xFEFF ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || (c >= 0x1F3FB && c <= 0x1F3FF) ||
           (c >= 0xE0020 && c <= 0xE007F) || c == 0x00B4 || (c >= 0x02C8 && c <= 0x02CB);
}

// A plain character of the code page that does the same work, or 0.
char standIn(char32_t c) {
    switch (c) {
    case 0x2010: case 0x2011: case 0x2043: case 0x2212: case 0xFE63: case 0xFF0D: return '-';
    case 0x2012: return '\x96'; // en dash
    case 0x2015: return '\x97'; // em dash
    case 0x2007: case 0x202F: return '\xA0'; // no-break space
    case 0x2032: return '\'';
    case 0x2033: return '"';
    case 0x2024: return '.';
    case 0x205F: case 0x3000: return ' ';
    default: break;
    }
    return c >= 0x2000 && c <= 0x200A ? ' ' : 0;
}

bool isLineBreak(char32_t c) { return c == '\r' || c == '\n' || c == 0x2028 || c == 0x2029; }

bool startsWithYo(std::string_view s) { return s.substr(0, 2) == "Ё" || s.substr(0, 2) == "ё"; }

} // namespace

AuthorText authorText(std::string_view utf8) {
    AuthorText a;
    std::string& t = a.Tekst;
    t.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!smek::nextUtf8(utf8, i, c)) c = 0xFFFD;
        if (isLineBreak(c)) {
            if (c == '\r' && i < utf8.size() && utf8[i] == '\n') ++i; // CR LF is one break
            t += kBr;
            continue;
        }
        if (c == 0xFEFF && t.empty()) continue; // a byte-order mark is no character
        if (joinsPrevious(c) && !t.empty() && !t.ends_with(kBr)) {
            const int at = static_cast<int>(t.size());
            auto [entry, fresh] = a.kakNapisano.try_emplace(at);
            if (fresh) entry->second = smek::cp1251ToUtf8(std::string_view(t).substr(t.size() - 1));
            smek::appendUtf8(entry->second, c);
            continue;
        }
        char b = 0;
        if (c == 0x0401) b = '\xC5';      // Ё → Е
        else if (c == 0x0451) b = '\xE5'; // ё → е
        else if (const char plain = standIn(c)) b = plain;
        else b = smek::unicodeToCp1251(c);
        t += b;
        if (c == 0x0401 || c == 0x0451 || standIn(c) || (b == '?' && c != '?')) {
            std::string& entry = a.kakNapisano[static_cast<int>(t.size())];
            smek::appendUtf8(entry, c);
        }
    }
    return a;
}

std::string writtenText(std::string_view tekst, const KakNapisano& written, int first, int last) {
    const int n = static_cast<int>(tekst.size());
    if (last < 0 || last > n) last = n;
    first = std::max(first, 1);
    std::string out;
    out.reserve(static_cast<size_t>(std::max(last - first + 1, 0)) * 2);
    auto entry = written.lower_bound(first);
    for (int pos = first; pos <= last; ++pos) {
        if (entry != written.end() && entry->first == pos) {
            out += entry->second;
            ++entry;
        } else {
            smek::appendUtf8(out, smek::cp1251ToUnicode(static_cast<unsigned char>(tekst[static_cast<size_t>(pos - 1)])));
        }
    }
    return out;
}

std::string slovoKakNapisano(const Puzzle& p, const SkrytoeSlovo& w) {
    std::string out;
    const int end = std::min(w.Nachalo + w.DlinaVTexte, static_cast<int>(p.Tekst.size()) + 1);
    for (int pos = std::max(w.Nachalo, 1); pos < end; ++pos) {
        const char c = smek::toUpperRu(p.Tekst[static_cast<size_t>(pos - 1)]);
        if (!smek::isRussianCapital(c)) continue;
        const auto entry = p.Napisano.find(pos);
        out += entry != p.Napisano.end() && startsWithYo(entry->second) ? smek::kYoUpper : c;
    }
    // Only Ё may differ: anything else means the positions are not this text's.
    std::string plain = out;
    std::replace(plain.begin(), plain.end(), smek::kYoUpper, '\xC5');
    return plain == w.Slovo ? out : w.Slovo;
}

std::vector<std::string> withoutStandIn(const Puzzle& p) {
    std::vector<std::string> found;
    for (const auto& [pos, written] : p.Napisano) {
        if (pos < 1 || pos > static_cast<int>(p.Tekst.size()) || p.Tekst[static_cast<size_t>(pos - 1)] != '?') continue;
        // The character itself, without the marks that joined it.
        size_t i = 0;
        char32_t c = 0;
        smek::nextUtf8(written, i, c);
        const std::string character = written.substr(0, i);
        if (std::find(found.begin(), found.end(), character) == found.end()) found.push_back(character);
    }
    return found;
}

std::string withoutStandInNote(const Puzzle& p) {
    const std::vector<std::string> found = withoutStandIn(p);
    if (found.empty()) return {};
    std::string list;
    constexpr size_t kShown = 5;
    for (size_t i = 0; i < std::min(found.size(), kShown); ++i) list += (i ? " " : "") + found[i];
    if (found.size() > kShown) list += " …";
    return "В кодировке Windows-1251 нет знаков " + list +
           ": они показаны так, как написаны, а при поиске слов считаются разделителями.";
}

std::string writtenLine(const Puzzle& p) {
    const std::string utf8 = writtenText(p);
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!smek::nextUtf8(utf8, i, c)) c = 0xFFFD;
        const char b = smek::unicodeToCp1251(c);
        if (c == '&') out += "&amp;";
        else if (b == '?' && c != '?') out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        else out += b;
    }
    return out;
}

std::string fromWrittenLine(std::string_view line) {
    const std::string utf8 = smek::cp1251ToUtf8(line);
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '&') {
            out += utf8[i];
            continue;
        }
        if (utf8.compare(i, 5, "&amp;") == 0) {
            out += '&';
            i += 4;
            continue;
        }
        // &#digits; of a character, else the "&" stands for itself.
        size_t j = i + 2;
        unsigned long code = 0;
        while (j < utf8.size() && j < i + 10 && utf8[j] >= '0' && utf8[j] <= '9') code = code * 10 + (utf8[j++] - '0');
        if (utf8.compare(i, 2, "&#") == 0 && j > i + 2 && j < utf8.size() && utf8[j] == ';' && code > 0 &&
            code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
            smek::appendUtf8(out, static_cast<char32_t>(code));
            i = j;
        } else {
            out += '&';
        }
    }
    return out;
}

} // namespace smek::slovoset
